// The tools menu: the value at a typed coordinate (Form6) and the grid
// conversion (Form7), both modeless beside the main window. Each is created
// when first opened and destroyed when closed, so that it opens with empty
// boxes; a window already open is brought to the front.

#include "app/Form6.h"
#include "app/Form7.h"
#include "app/frmMain.h"

namespace plotvane::app {
namespace {

void Present(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

void frmMain::atai_Click() {
  if (m_guard.busy()) return;
  if (!m_form6) {
    m_form6 = new Form6(m_doc, m_guard, this);
    registerWindow(m_form6);
  }
  Present(*m_form6);
}

void frmMain::koushi_Click() {
  if (m_guard.busy()) return;
  if (!m_form7) {
    m_form7 = new Form7(m_doc, m_dialogs, m_guard, m_form7Path, this);
    connect(m_form7, &Form7::saved, this, [this](const QString& path) { m_form7Path = path; });
    // Queued: the grid window still shows its message when the signal comes.
    connect(m_form7, &Form7::conversionEnded, this, &frmMain::closeIfPending, Qt::QueuedConnection);
    registerWindow(m_form7);
  }
  Present(*m_form7);
}

}  // namespace plotvane::app
