// HTTP GET over libcurl as the pack download needs it: a client with its user-agent, the final status, the body in
// pieces.
#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

// A client instance: what every request opened with it shares. Proxies come from the system (http_proxy and kin).
struct THttpClient {
  QString UserAgent;
  // A server that does not take the connection within this time fails the request.
  std::chrono::milliseconds ConnectTimeout{5000};
  // A request that receives nothing for this long fails, so a server that stops answering cannot hold the game.
  std::chrono::milliseconds StallTimeout{5000};
  // A request that is not done after this long in all fails, however steadily bytes come; 0 means no limit.
  std::chrono::milliseconds TotalTimeout{0};
  // A transfer that stays below LowSpeedBytes per second for LowSpeedTime fails; 0 bytes means no limit.
  long LowSpeedBytes = 0;
  std::chrono::seconds LowSpeedTime{30};
  // A body longer than this fails the transfer once the excess arrives; 0 means no limit.
  std::int64_t MaxBodySize = 0;
  // Runs at most once per WaitInterval while a request waits for the network, so the window keeps answering.
  std::function<void()> OnWait;
  std::chrono::milliseconds WaitInterval{50};
};

// Reload forces a fresh copy from the server past any cache on the way; AllowCached lets a cache answer.
enum class TCacheMode { AllowCached, Reload };

class THttpRequest {
 public:
  // Opens an HTTP GET of url and waits for the final response (redirects are followed). None when no response came:
  // a bad or non-HTTP URL, no connection, no answer in time.
  static std::unique_ptr<THttpRequest> Open(const THttpClient& client, const QString& url, TCacheMode mode);
  // Closes the request, dropping what was not read.
  ~THttpRequest();
  THttpRequest(const THttpRequest&) = delete;
  THttpRequest& operator=(const THttpRequest&) = delete;

  // The final response's status code as decimal text, such as "200".
  QString StatusCode() const;
  // Copies up to size bytes of the body into data and returns their count: 0 at the end of the body, -1 when the
  // transfer broke off (the connection dropped, the body came short, the server stalled).
  std::int64_t Read(char* data, std::int64_t size);
  // The body's length as the server announced it, -1 when it did not.
  std::int64_t BodySize() const;
  // Why the transfer broke off, in Russian, once Read has returned -1.
  QString FailureText() const;

 private:
  struct Impl;
  explicit THttpRequest(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};
