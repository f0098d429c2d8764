#pragma once
// The progress of long operations shown in Form3.
//
// The meshing and the drawing report through the ProgressSink interface:
// - prepare(label): creates Form3 hidden (its 500 ms delay starts), unless
//   it exists already; sets the label, the range 0..100 and the value 0;
// - update(value): creates Form3 the same way if it is gone, sets the value,
//   then lets pending events run, which is when the window can appear and
//   when the other windows repaint;
// - close(): destroys the window; the next prepare starts afresh with a new
//   delay and the initial label "メッシュの作成中です。".

#include <QPointer>
#include <chrono>
#include <functional>

#include "app/Form3.h"
#include "common/Progress.h"

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

  // The window while it exists, else null.
  Form3* window() const { return m_form.data(); }

 private:
  Form3& form();

  QWidget* m_parent;
  std::function<bool()> m_holdBack;
  std::chrono::milliseconds m_delay;
  QPointer<Form3> m_form;
};

}  // namespace plotvane::app
