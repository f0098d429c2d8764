#include "app/ProgressWindow.h"

#include <QCoreApplication>
#include <cmath>

namespace plotvane::app {

ProgressWindow::ProgressWindow(QWidget* parent, std::function<bool()> holdBack, std::chrono::milliseconds delay)
    : m_parent(parent), m_holdBack(std::move(holdBack)), m_delay(delay) {}

ProgressWindow::~ProgressWindow() { close(); }

Form3& ProgressWindow::form() {
  if (!m_form) m_form = new Form3(m_parent, m_holdBack, m_delay);
  return *m_form;
}

void ProgressWindow::prepare(std::string_view label) {
  Form3& f = form();
  f.Label1()->setText(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
  f.ProgressBar1()->setRange(0, 100);
  f.ProgressBar1()->setValue(0);
}

void ProgressWindow::update(double value) {
  form().ProgressBar1()->setValue(static_cast<int>(std::lround(value)));
  QCoreApplication::processEvents();
}

void ProgressWindow::close() { delete m_form.data(); }

}  // namespace plotvane::app
