// A real HTTP server on 127.0.0.1 for one test, on a free port, serving from its own thread until the test ends.
#pragma once

#include <arpa/inet.h>
#include <httplib.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

class LoopbackServer {
 public:
  LoopbackServer() {
    // A proxy set for the developer's network must not stand between the client and this server.
    qputenv("no_proxy", "127.0.0.1,localhost");
    port_ = server_.bind_to_any_port("127.0.0.1");
    if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
    // The socket listens from here on, so requests made before the thread accepts simply wait in the backlog.
    thread_ = std::thread([this] { server_.listen_after_bind(); });
  }
  ~LoopbackServer() { Stop(); }
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // Handlers are added before the first request is made.
  httplib::Server& Routes() { return server_; }
  int Port() const { return port_; }
  QString BaseUrl() const { return QString("http://127.0.0.1:%1").arg(port_); }
  // Set when the test ends, for handlers that hold a connection open.
  const std::atomic<bool>& Stopping() const { return stopping_; }

  void Stop() {
    stopping_ = true;
    server_.stop();
    if (thread_.joinable()) thread_.join();
  }

 private:
  httplib::Server server_;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::thread thread_;
};

// A port on 127.0.0.1 that nothing listens on: bound for a moment, then released.
inline int ClosedLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0)
    throw std::runtime_error("cannot find a free loopback port");
  ::close(fd);
  return ntohs(address.sin_port);
}
