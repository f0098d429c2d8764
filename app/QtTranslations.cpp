#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>
#include <QTranslator>

namespace plotvane::app {

bool InstallQtTranslations(QCoreApplication& application, const QString& folder) {
  auto* translator = new QTranslator(&application);
  // A file name, not QLocale: the catalogue is Japanese whatever the locale.
  if (!translator->load(QStringLiteral("qtbase_ja"), folder) || !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
  return true;
}

bool InstallQtTranslations(QCoreApplication& application) {
  return InstallQtTranslations(application, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace plotvane::app
