#pragma once
// How long operations (the triangulation, the drawing) report progress.
//
// The core never touches a window. An operation prepares the sink with its
// label, moves the value from 0 towards 100, and closes it; the desktop
// program turns these calls into its progress window and lets pending window
// events run at each update. The default sink does nothing.

#include <string_view>

namespace plotvane {

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // The window is (re)created hidden with this label and the value 0.
  virtual void prepare(std::string_view /*label*/) {}
  // value lies in 0..100.
  virtual void update(double /*value*/) {}
  virtual void close() {}
  // Asked often during long operations (every few hundred points of the
  // triangulation): an operation that hears true stops at once and reports
  // that it was cancelled. A window's sink also lets pending events run
  // here, so that the window answers between two updates.
  virtual bool cancelled() { return false; }
};

// A sink that ignores everything, for headless callers.
inline ProgressSink& NullProgress() {
  static ProgressSink sink;
  return sink;
}

}  // namespace plotvane
