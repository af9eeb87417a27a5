// A full disk for the length of a scope: this process's files cannot grow past the limit, and writes beyond it
// fail with an error instead of raising the signal that would end the test program.
#pragma once

#include <signal.h>
#include <sys/resource.h>

#include <cstdint>

class FileSizeLimit {
 public:
  explicit FileSizeLimit(std::uint64_t bytes) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGXFSZ, &ignore, &previous_);
    getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    sigaction(SIGXFSZ, &previous_, nullptr);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

  bool Active() const { return active_; }

 private:
  rlimit saved_{};
  struct sigaction previous_ {};
  bool active_ = false;
};
