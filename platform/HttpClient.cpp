// HTTP GET over libcurl's multi interface, so waiting for the network can hand time back to the window.
#include "platform/HttpClient.h"

#include <curl/curl.h>

#include <algorithm>
#include <cstring>
#include <string>

namespace {
using Clock = std::chrono::steady_clock;

// Body bytes held between the network and the reader; past this the transfer pauses until the reader catches up.
constexpr std::size_t kPendingLimit = 16 * 1024;
constexpr long kMaxRedirects = 10;

void InitCurlOnce() {
  static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  (void)initialised;
}
}  // namespace

struct THttpRequest::Impl {
  explicit Impl(const THttpClient& settings) : client(settings) {}
  ~Impl() {
    if (multi && easy) curl_multi_remove_handle(multi, easy);
    if (easy) curl_easy_cleanup(easy);
    if (multi) curl_multi_cleanup(multi);
    curl_slist_free_all(headers);
  }

  std::size_t PendingSize() const { return pending.size() - readPos; }

  // One round of the transfer: let curl work, note the end, and wait a little when nothing came.
  void Pump() {
    int running = 0;
    if (curl_multi_perform(multi, &running) != CURLM_OK) return Finish(CURLE_FAILED_INIT);
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi, &queued))
      if (message->msg == CURLMSG_DONE) Finish(message->data.result);
    if (done || PendingSize() > 0) return;
    if (Clock::now() - lastActivity > client.StallTimeout) return Finish(CURLE_OPERATION_TIMEDOUT);
    curl_multi_poll(multi, nullptr, 0, static_cast<int>(client.WaitInterval.count()), nullptr);
    if (client.OnWait && Clock::now() - lastWait >= client.WaitInterval) {
      lastWait = Clock::now();
      client.OnWait();
    }
  }

  void Finish(CURLcode code) {
    done = true;
    result = code;
  }

  static std::size_t OnHeader(char*, std::size_t size, std::size_t count, void* self) {
    static_cast<Impl*>(self)->lastActivity = Clock::now();
    return size * count;
  }

  static std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* self) {
    auto* impl = static_cast<Impl*>(self);
    if (impl->PendingSize() >= kPendingLimit) {
      impl->paused = true;
      return CURL_WRITEFUNC_PAUSE;
    }
    if (impl->readPos == impl->pending.size()) {
      impl->pending.clear();
      impl->readPos = 0;
    }
    impl->received += static_cast<std::int64_t>(size * count);
    if (impl->client.MaxBodySize > 0 && impl->received > impl->client.MaxBodySize) {
      impl->tooLarge = impl->bodyStarted = true;
      return 0;  // curl ends the transfer with a write error
    }
    impl->pending.append(data, size * count);
    impl->bodyStarted = true;
    impl->lastActivity = Clock::now();
    return size * count;
  }

  THttpClient client;
  CURLM* multi = nullptr;
  CURL* easy = nullptr;
  curl_slist* headers = nullptr;
  std::string pending;
  std::size_t readPos = 0;
  bool paused = false;
  bool bodyStarted = false;
  bool tooLarge = false;
  std::int64_t received = 0;
  bool done = false;
  CURLcode result = CURLE_OK;
  Clock::time_point lastActivity = Clock::now();
  Clock::time_point lastWait = Clock::now();
};

THttpRequest::THttpRequest(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

THttpRequest::~THttpRequest() = default;

std::unique_ptr<THttpRequest> THttpRequest::Open(const THttpClient& client, const QString& url, TCacheMode mode) {
  InitCurlOnce();
  auto impl = std::make_unique<Impl>(client);
  impl->multi = curl_multi_init();
  impl->easy = curl_easy_init();
  if (!impl->multi || !impl->easy) return nullptr;

  CURL* easy = impl->easy;
  const std::string urlText = url.toStdString();
  const std::string agent = client.UserAgent.toStdString();
  curl_easy_setopt(easy, CURLOPT_URL, urlText.c_str());
  curl_easy_setopt(easy, CURLOPT_HTTPGET, 1L);
  curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.c_str());
  // Only HTTP, also after a redirect: a server must not send the client to files or other protocols.
  curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
  curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
  curl_easy_setopt(easy, CURLOPT_MAXREDIRS, kMaxRedirects);
  curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(client.ConnectTimeout.count()));
  curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(client.TotalTimeout.count()));
  if (client.LowSpeedBytes > 0) {
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_LIMIT, client.LowSpeedBytes);
    curl_easy_setopt(easy, CURLOPT_LOW_SPEED_TIME, static_cast<long>(client.LowSpeedTime.count()));
  }
  curl_easy_setopt(easy, CURLOPT_HEADERFUNCTION, &Impl::OnHeader);
  curl_easy_setopt(easy, CURLOPT_HEADERDATA, impl.get());
  curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Impl::OnBody);
  curl_easy_setopt(easy, CURLOPT_WRITEDATA, impl.get());
  if (mode == TCacheMode::Reload) {
    impl->headers = curl_slist_append(impl->headers, "Cache-Control: no-cache");
    impl->headers = curl_slist_append(impl->headers, "Pragma: no-cache");
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, impl->headers);
  }
  if (curl_multi_add_handle(impl->multi, easy) != CURLM_OK) return nullptr;

  // The final status is known once its body starts or the transfer ends.
  while (!impl->done && !impl->bodyStarted) impl->Pump();
  if (impl->done && impl->result != CURLE_OK && !impl->bodyStarted) return nullptr;
  long code = 0;
  curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &code);
  if (code == 0) return nullptr;
  return std::unique_ptr<THttpRequest>(new THttpRequest(std::move(impl)));
}

QString THttpRequest::StatusCode() const {
  long code = 0;
  curl_easy_getinfo(impl_->easy, CURLINFO_RESPONSE_CODE, &code);
  return QString::number(code);
}

std::int64_t THttpRequest::Read(char* data, std::int64_t size) {
  Impl& impl = *impl_;
  if (size <= 0) return 0;
  while (impl.PendingSize() == 0 && !impl.done) {
    if (impl.paused) {
      impl.paused = false;
      impl.lastActivity = Clock::now();
      curl_easy_pause(impl.easy, CURLPAUSE_CONT);
    } else {
      impl.Pump();
    }
  }
  const std::size_t count = std::min<std::size_t>(impl.PendingSize(), static_cast<std::size_t>(size));
  if (count == 0) return impl.result == CURLE_OK ? 0 : -1;
  std::memcpy(data, impl.pending.data() + impl.readPos, count);
  impl.readPos += count;
  return static_cast<std::int64_t>(count);
}

std::int64_t THttpRequest::BodySize() const {
  curl_off_t length = -1;
  if (curl_easy_getinfo(impl_->easy, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK) return -1;
  return static_cast<std::int64_t>(length);
}

QString THttpRequest::FailureText() const {
  if (impl_->tooLarge) return QString("файл больше %1 МБ").arg(impl_->client.MaxBodySize >> 20);
  if (impl_->result == CURLE_OPERATION_TIMEDOUT) return "сервер передавал файл слишком долго или слишком медленно";
  return "передача оборвалась";
}
