// The HTTP client against a real server on loopback: status, body in pieces, redirects, headers, failures, time-outs.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "platform/HttpClient.h"
#include "support/LoopbackServer.h"

namespace {
using namespace std::chrono_literals;

std::string Pattern(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 131 + i / 251) & 0xFF);
  return bytes;
}

THttpClient Client() {
  THttpClient client;
  client.UserAgent = "test-agent";
  return client;
}

// Reads the whole body in pieces of at most `piece` bytes; false when a read failed or came too large.
bool ReadAll(THttpRequest& request, std::string& body, std::int64_t piece = 1024) {
  std::string buffer(piece, '\0');
  for (;;) {
    const std::int64_t got = request.Read(buffer.data(), piece);
    if (got < 0 || got > piece) return false;
    if (got == 0) return true;
    body.append(buffer.data(), got);
  }
}

// Serves `size` bytes but stops after `sent` of them, dropping the connection.
void ServeBrokenBody(httplib::Server& server, const std::string& path, std::string body, std::size_t sent) {
  server.Get(path, [body, sent](const httplib::Request&, httplib::Response& response) {
    response.set_content_provider(body.size(), "application/zip",
                                  [body, sent](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
                                    if (offset >= sent) return false;
                                    sink.write(body.data() + offset, std::min(length, sent - offset));
                                    return true;
                                  });
  });
}

TEST(HttpClient, ReadsTheBodyInPiecesOfAtMostTheAskedSize) {
  LoopbackServer server;
  const std::string body = Pattern(200 * 1024 + 17);
  server.Routes().Get("/pack.zip", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(body, "application/zip");
  });
  auto request = THttpRequest::Open(Client(), server.BaseUrl() + "/pack.zip", TCacheMode::AllowCached);
  ASSERT_NE(request, nullptr);
  EXPECT_EQ(request->StatusCode(), "200");
  std::string received;
  ASSERT_TRUE(ReadAll(*request, received, 1000));
  EXPECT_EQ(received.size(), body.size());
  EXPECT_TRUE(received == body);
  char byte;
  EXPECT_EQ(request->Read(&byte, 1), 0) << "the end stays the end";
}

TEST(HttpClient, SendsTheUserAgentAndAsksForAFreshCopyOnlyOnReload) {
  struct Case {
    const char* name;
    TCacheMode mode;
    const char* cacheControl;
    const char* pragma;
  };
  const Case cases[] = {
      {"reload", TCacheMode::Reload, "no-cache", "no-cache"},
      {"cached allowed", TCacheMode::AllowCached, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    LoopbackServer server;
    std::string agent, cacheControl, pragma;
    server.Routes().Get("/", [&](const httplib::Request& request, httplib::Response& response) {
      agent = request.get_header_value("User-Agent");
      cacheControl = request.get_header_value("Cache-Control");
      pragma = request.get_header_value("Pragma");
      response.set_content("hello", "text/plain");
    });
    THttpClient client = Client();
    client.UserAgent = "InetURL:/1.0";
    ASSERT_NE(THttpRequest::Open(client, server.BaseUrl() + "/", c.mode), nullptr);
    EXPECT_EQ(agent, "InetURL:/1.0");
    EXPECT_EQ(cacheControl, c.cacheControl);
    EXPECT_EQ(pragma, c.pragma);
  }
}

TEST(HttpClient, ReportsTheFinalStatusAfterFollowingRedirects) {
  LoopbackServer server;
  server.Routes().Get("/old", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("/middle", 302);
    response.set_content("redirect page", "text/plain");
  });
  server.Routes().Get("/middle",
                      [](const httplib::Request&, httplib::Response& response) { response.set_redirect("/new", 301); });
  server.Routes().Get("/new", [](const httplib::Request&, httplib::Response& response) {
    response.set_content("moved here", "text/plain");
  });
  server.Routes().Get("/missing", [](const httplib::Request&, httplib::Response& response) {
    response.status = 404;
    response.set_content("no such pack", "text/plain");
  });

  auto moved = THttpRequest::Open(Client(), server.BaseUrl() + "/old", TCacheMode::Reload);
  ASSERT_NE(moved, nullptr);
  EXPECT_EQ(moved->StatusCode(), "200");
  std::string body;
  ASSERT_TRUE(ReadAll(*moved, body));
  EXPECT_EQ(body, "moved here");

  auto missing = THttpRequest::Open(Client(), server.BaseUrl() + "/missing", TCacheMode::Reload);
  ASSERT_NE(missing, nullptr);
  EXPECT_EQ(missing->StatusCode(), "404");
}

TEST(HttpClient, AnEmptyBodyEndsAtTheFirstRead) {
  LoopbackServer server;
  server.Routes().Get("/empty.zip", [](const httplib::Request&, httplib::Response& response) {
    response.set_content("", "application/zip");
  });
  auto request = THttpRequest::Open(Client(), server.BaseUrl() + "/empty.zip", TCacheMode::AllowCached);
  ASSERT_NE(request, nullptr);
  EXPECT_EQ(request->StatusCode(), "200");
  char buffer[16];
  EXPECT_EQ(request->Read(buffer, sizeof buffer), 0);
}

TEST(HttpClient, ABodyThatBreaksOffFailsTheReadInsteadOfEndingIt) {
  LoopbackServer server;
  const std::string body = Pattern(64 * 1024);
  ServeBrokenBody(server.Routes(), "/broken.zip", body, 20 * 1024);
  auto request = THttpRequest::Open(Client(), server.BaseUrl() + "/broken.zip", TCacheMode::AllowCached);
  ASSERT_NE(request, nullptr);
  EXPECT_EQ(request->StatusCode(), "200");
  std::string received;
  EXPECT_FALSE(ReadAll(*request, received));
  EXPECT_LE(received.size(), 20u * 1024);
}

TEST(HttpClient, OpensNothingWithoutAnHttpResponse) {
  LoopbackServer server;
  server.Routes().Get("/to-file", [](const httplib::Request&, httplib::Response& response) {
    response.set_redirect("file:///etc/passwd", 302);
  });
  server.Routes().Get(
      "/loop", [](const httplib::Request&, httplib::Response& response) { response.set_redirect("/loop", 302); });
  const QString closed = QString("http://127.0.0.1:%1/").arg(ClosedLoopbackPort());
  const struct {
    const char* name;
    QString url;
  } cases[] = {
      {"closed port", closed},
      {"not a URL", "http://"},
      {"empty", ""},
      {"file scheme", "file:///etc/passwd"},
      {"redirect to a file", server.BaseUrl() + "/to-file"},
      {"endless redirects", server.BaseUrl() + "/loop"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(THttpRequest::Open(Client(), c.url, TCacheMode::Reload), nullptr);
  }
}

// The server answers only after `delay`, or gives up when the test ends.
void ServeLate(LoopbackServer& server, std::chrono::milliseconds delay) {
  server.Routes().Get("/late", [&server, delay](const httplib::Request&, httplib::Response& response) {
    const auto until = std::chrono::steady_clock::now() + delay;
    while (std::chrono::steady_clock::now() < until && !server.Stopping()) std::this_thread::sleep_for(10ms);
    response.set_content("at last", "text/plain");
  });
}

TEST(HttpClient, AServerThatStallsFailsTheRequestAfterTheStallTimeout) {
  LoopbackServer server;
  ServeLate(server, 10s);
  THttpClient client = Client();
  client.StallTimeout = 200ms;
  EXPECT_EQ(THttpRequest::Open(client, server.BaseUrl() + "/late", TCacheMode::Reload), nullptr);
}

TEST(HttpClient, KeepsCallingTheWaitHandlerWhileTheServerIsSlow) {
  LoopbackServer server;
  ServeLate(server, 500ms);
  THttpClient client = Client();
  client.WaitInterval = 20ms;
  std::atomic<int> waits{0};
  client.OnWait = [&] { ++waits; };
  auto request = THttpRequest::Open(client, server.BaseUrl() + "/late", TCacheMode::Reload);
  ASSERT_NE(request, nullptr) << "a slow answer within the stall time still arrives";
  std::string body;
  ASSERT_TRUE(ReadAll(*request, body));
  EXPECT_EQ(body, "at last");
  EXPECT_GE(waits.load(), 2);
}
// A server that sends more than the client takes, or never stops sending, is cut off with the reason told.
TEST(HttpClient, ABodyBeyondTheSizeOrTimeLimitFailsTheRead) {
  LoopbackServer server;
  const std::string body = Pattern(64 * 1024);
  server.Routes().Get("/big.zip", [&](const httplib::Request&, httplib::Response& response) {
    response.set_content(body, "application/zip");
  });
  server.Routes().Get("/endless.zip", [&server](const httplib::Request&, httplib::Response& response) {
    response.set_chunked_content_provider("application/zip", [&server](std::size_t, httplib::DataSink& sink) {
      std::this_thread::sleep_for(20ms);
      return !server.Stopping() && sink.write("0123456789", 10);
    });
  });
  THttpClient sizeLimited = Client();
  sizeLimited.MaxBodySize = 10000;
  THttpClient timeLimited = Client();
  timeLimited.TotalTimeout = 300ms;
  const struct {
    const char* path;
    THttpClient client;
    const char* reason;
  } cases[] = {{"/big.zip", sizeLimited, "больше"}, {"/endless.zip", timeLimited, "слишком долго"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    auto request = THttpRequest::Open(c.client, server.BaseUrl() + c.path, TCacheMode::AllowCached);
    ASSERT_NE(request, nullptr);
    std::string received;
    EXPECT_FALSE(ReadAll(*request, received));
    EXPECT_LE(received.size(), 10000u);
    EXPECT_TRUE(request->FailureText().contains(QString::fromUtf8(c.reason))) << request->FailureText().toStdString();
  }
}
}  // namespace
