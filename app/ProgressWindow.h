#pragma once
// The progress of long operations: the window "しばらくお待ちください" with a
// label and a bar, driven through the ProgressSink interface.
//
// The window appears only when an operation lasts: its one-shot timer runs
// out `delay` (500 ms) after the window was created, at the first moment
// that events are processed after that. If the drawing-settings dialog is on
// screen then (a redraw started by its Test button), the window stays
// hidden for the rest of its life; otherwise it is shown, modeless.
//
// - prepare(label): creates the window hidden (its delay starts), unless it
//   exists already; sets the label, the range 0..100 and the value 0;
// - update(value): creates the window the same way if it is gone, sets the
//   value, then lets pending events run, which is when the window can
//   appear and when the other windows repaint;
// - close(): destroys the window; the next prepare starts afresh with a new
//   delay and the initial label "メッシュの作成中です。";
// - cancelled(): lets pending events run when the last time is 50 ms past,
//   so the window answers while the meshing runs between two updates, and
//   answers whether Cancel was pressed (or cancel() called) since prepare.

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <chrono>
#include <functional>

#include "common/Progress.h"
#include "ui_ProgressWindow.h"

class QTimer;

namespace plotvane::app {

class ProgressWindow final : public ProgressSink {
 public:
  static constexpr std::chrono::milliseconds kDelay{500};

  // parent: the main window; holdBack: whether the settings dialog is
  // visible (the window is then never shown).
  ProgressWindow(QWidget* parent, std::function<bool()> holdBack, std::chrono::milliseconds delay = kDelay);
  ~ProgressWindow() override;
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void prepare(std::string_view label) override;
  void update(double value) override;
  void close() override;
  bool cancelled() override;
  // Asks the operation in progress to stop, as the Cancel button does.
  void cancel() { m_cancelRequested = true; }

  // The window while it exists, else null; its label and bar, and whether
  // its delay is still running (valid while window() is not null).
  QWidget* window() const { return m_window.data(); }
  QLabel* label() const { return m_ui.Label1; }
  QProgressBar* bar() const { return m_ui.ProgressBar1; }
  bool timerRunning() const;

 private:
  QWidget& ensureWindow();

  QWidget* m_parent;
  std::function<bool()> m_holdBack;
  std::chrono::milliseconds m_delay;
  QPointer<QWidget> m_window;
  QPointer<QTimer> m_timer;
  Ui::ProgressWindow m_ui{};
  QElapsedTimer m_sinceEvents;
  bool m_cancelRequested = false;
};

}  // namespace plotvane::app
