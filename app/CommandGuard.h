#pragma once
// Keeping commands out of a load or a redraw in progress.
//
// Long operations let pending window events run at their progress updates,
// so that the windows repaint. A command started from one of those moments
// would run in the middle of the operation: a second load would replace the
// point set that the first is still meshing, a redraw would draw a mesh half
// built. Every command entry point (menu items, dialog buttons, the cursor
// read-out, closing the window) asks the guard first and does nothing while
// an operation runs; the operation holds a Scope for its whole length.
// Scopes nest (a load ends in a redraw).

namespace plotvane::app {

class CommandGuard {
 public:
  bool busy() const { return m_depth > 0; }

  class Scope {
   public:
    explicit Scope(CommandGuard& guard) : m_guard(guard) { ++m_guard.m_depth; }
    ~Scope() { --m_guard.m_depth; }
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;

   private:
    CommandGuard& m_guard;
  };

 private:
  int m_depth = 0;
};

}  // namespace plotvane::app
