#pragma once
// Form3, the progress window: "しばらくお待ちください" with a label and a bar.
//
// It appears only when an operation lasts: Timer1 runs once, 500 ms after the
// window was created, at the first moment that events are processed after
// that. If the drawing-settings dialog is on screen then (a redraw started by
// its Test button), the window stays hidden for the rest of its life;
// otherwise it is shown, modeless. The window is created hidden and is
// driven by ProgressWindow (ProgressWindow.h).

#include <QTimer>
#include <QWidget>
#include <chrono>
#include <functional>

#include "ui_Form3.h"

namespace plotvane::app {

class Form3 final : public QWidget {
  Q_OBJECT
 public:
  // holdBack answers whether the settings dialog is visible; delay is
  // Timer1's interval.
  Form3(QWidget* parent, std::function<bool()> holdBack, std::chrono::milliseconds delay);

  QLabel* Label1() const { return m_ui.Label1; }
  QProgressBar* ProgressBar1() const { return m_ui.ProgressBar1; }
  bool timerRunning() const { return m_Timer1.isActive(); }

 private:
  void Timer1_Timer();

  Ui::Form3 m_ui;
  QTimer m_Timer1;
  std::function<bool()> m_holdBack;
};

}  // namespace plotvane::app
