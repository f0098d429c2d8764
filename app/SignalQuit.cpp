#include "app/SignalQuit.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <array>
#include <csignal>

namespace plotvane::app {
namespace {

constexpr std::array kQuitSignals{SIGTERM, SIGINT, SIGHUP, SIGQUIT};

int g_pipe[2] = {-1, -1};  // [0] written by the handler, [1] read by the notifier

void OnSignal(int) {
  const char byte = 1;
  // Nothing can be done about a full socket from inside a handler; one byte
  // waiting is enough to close the window.
  [[maybe_unused]] const ssize_t n = ::write(g_pipe[0], &byte, 1);
}

// nohup starts a program with SIGHUP ignored so that it outlives its
// terminal; it keeps that wish.
bool HangupIgnored() {
  struct sigaction current {};
  return ::sigaction(SIGHUP, nullptr, &current) == 0 && (current.sa_flags & SA_SIGINFO) == 0 &&
         current.sa_handler == SIG_IGN;
}

bool InstallHandler(int signal) {
  if (signal == SIGHUP && HangupIgnored()) return true;
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  return ::sigaction(signal, &action, nullptr) == 0;
}

}  // namespace

SignalQuit::SignalQuit(QObject* parent) : QObject(parent) {
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) return;
  m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
  connect(m_notifier, &QSocketNotifier::activated, this, &SignalQuit::readSignal);
  m_installed = true;
  for (const int signal : kQuitSignals) m_installed = InstallHandler(signal) && m_installed;
}

SignalQuit::~SignalQuit() {
  for (const int signal : kQuitSignals) {
    struct sigaction current {};
    if (::sigaction(signal, nullptr, &current) == 0 && current.sa_handler == OnSignal) std::signal(signal, SIG_DFL);
  }
  delete m_notifier;
  for (int& fd : g_pipe) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
}

void SignalQuit::readSignal() {
  char bytes[16];
  while (::read(g_pipe[1], bytes, sizeof bytes) > 0) {
  }
  emit requested();
}

}  // namespace plotvane::app
