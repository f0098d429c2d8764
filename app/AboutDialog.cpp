#include "app/AboutDialog.h"

#include <QtGlobal>

namespace plotvane::app {

QString VersionText() { return QStringLiteral("Version " PLOTVANE_VERSION); }

QString BuildText() {
#if defined(__clang__)
  const QString compiler = QStringLiteral("Clang " __clang_version__);
#elif defined(__GNUC__)
  const QString compiler = QStringLiteral("GCC " __VERSION__);
#else
  const QString compiler = QStringLiteral("an unknown compiler");
#endif
  return QStringLiteral("Qt %1 · %2").arg(QString::fromLatin1(qVersion()), compiler);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  m_ui.setupUi(this);
  setFixedSize(size());
  m_ui.lblVersion->setText(VersionText());
  m_ui.lblDescription->setText(BuildText());
  connect(m_ui.cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace plotvane::app
