#include "app/Form3.h"

namespace plotvane::app {

Form3::Form3(QWidget* parent, std::function<bool()> holdBack, std::chrono::milliseconds delay)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_holdBack(std::move(holdBack)) {
  m_ui.setupUi(this);
  setFixedSize(size());
  m_Timer1.setSingleShot(true);
  m_Timer1.setInterval(delay);
  connect(&m_Timer1, &QTimer::timeout, this, &Form3::Timer1_Timer);
  m_Timer1.start();
}

void Form3::Timer1_Timer() {
  m_Timer1.stop();
  if (!m_holdBack()) show();
}

}  // namespace plotvane::app
