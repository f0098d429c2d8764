#pragma once
// Ending the program cleanly on SIGTERM, SIGINT, SIGHUP and SIGQUIT.
//
// The four all mean "stop now" from outside: a kill, Ctrl+C in the terminal
// that started the program, that terminal closing, Ctrl+\ there. Each ends
// the program the same way, so that none of them leaves the page file
// behind; SIGQUIT gives up its core dump, which a user of this program has
// no use for.
//
// A signal handler may do almost nothing, so it writes one byte into a socket
// pair; a QSocketNotifier on the other end turns the byte into the signal
// requested() on the user-interface thread, where the main window closes as
// if its close button had been pressed and the normal shutdown runs (the
// temporary page file is deleted). A byte that arrives before the event loop
// starts waits in the socket until events are first processed.
//
// One instance per process; the handlers are restored to the default when
// it is destroyed. A program started by nohup keeps ignoring SIGHUP.

#include <QObject>

class QSocketNotifier;

namespace plotvane::app {

class SignalQuit final : public QObject {
  Q_OBJECT
 public:
  explicit SignalQuit(QObject* parent = nullptr);
  ~SignalQuit() override;

  // False when the socket pair or the handlers could not be set up; the
  // program then ends on these signals the default way.
  bool installed() const { return m_installed; }

 signals:
  void requested();

 private:
  void readSignal();

  QSocketNotifier* m_notifier = nullptr;
  bool m_installed = false;
};

}  // namespace plotvane::app
