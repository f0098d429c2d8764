#include "app/ProgressWindow.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>
#include <cmath>

namespace plotvane::app {

ProgressWindow::ProgressWindow(QWidget* parent, std::function<bool()> holdBack, std::chrono::milliseconds delay)
    : m_parent(parent), m_holdBack(std::move(holdBack)), m_delay(delay) {}

ProgressWindow::~ProgressWindow() { close(); }

QWidget& ProgressWindow::ensureWindow() {
  if (m_window) return *m_window;
  m_window = new QWidget(m_parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  m_ui.setupUi(m_window);
  m_window->setFixedSize(m_window->size());
  // The timer is the window's child, so it ends with the window.
  m_timer = new QTimer(m_window);
  m_timer->setSingleShot(true);
  m_timer->setInterval(m_delay);
  QObject::connect(m_timer, &QTimer::timeout, m_window, [this] {
    if (!m_holdBack()) m_window->show();
  });
  m_timer->start();
  QObject::connect(m_ui.CancelButton, &QPushButton::clicked, m_window, [this] { cancel(); });
  return *m_window;
}

bool ProgressWindow::timerRunning() const { return m_timer && m_timer->isActive(); }

void ProgressWindow::prepare(std::string_view label) {
  ensureWindow();
  m_cancelRequested = false;
  m_sinceEvents.start();
  m_ui.Label1->setText(QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size())));
  m_ui.ProgressBar1->setRange(0, 100);
  m_ui.ProgressBar1->setValue(0);
}

void ProgressWindow::update(double value) {
  ensureWindow();
  m_ui.ProgressBar1->setValue(static_cast<int>(std::lround(value)));
  QCoreApplication::processEvents();
  m_sinceEvents.start();
}

bool ProgressWindow::cancelled() {
  constexpr qint64 kEventInterval = 50;  // ms: the window answers at once to the eye
  if (!m_sinceEvents.isValid() || m_sinceEvents.elapsed() >= kEventInterval) {
    QCoreApplication::processEvents();
    m_sinceEvents.start();
  }
  return m_cancelRequested;
}

void ProgressWindow::close() { delete m_window.data(); }

}  // namespace plotvane::app
