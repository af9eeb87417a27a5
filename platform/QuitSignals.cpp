// Quit signals through a socket pair: the handler only writes the signal's number, the event loop reads it.
#include "platform/QuitSignals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QPointer>
#include <QSocketNotifier>
#include <csignal>
#include <stdexcept>

namespace {
int pipeEnds[2] = {-1, -1};

void HoldSignal(int signal) {
  const unsigned char number = static_cast<unsigned char>(signal);
  [[maybe_unused]] const ssize_t written = ::write(pipeEnds[0], &number, 1);  // async-signal-safe
}
}  // namespace

void HoldQuitSignals() {
  if (pipeEnds[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, pipeEnds) != 0)
    throw std::runtime_error("cannot create the socket pair for quit signals");
  struct sigaction action {};
  action.sa_handler = HoldSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaction(signal, &action, nullptr);
}

void DeliverQuitSignals(std::function<void(int signal)> onSignal) {
  HoldQuitSignals();
  // One listener at a time; it lives as long as the application.
  static QPointer<QSocketNotifier> notifier;
  delete notifier;
  notifier = new QSocketNotifier(pipeEnds[1], QSocketNotifier::Read, QCoreApplication::instance());
  QObject::connect(notifier, &QSocketNotifier::activated, [handler = std::move(onSignal)] {
    unsigned char number = 0;
    while (::read(pipeEnds[1], &number, 1) == 1) handler(number);
  });
}
