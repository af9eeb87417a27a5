// A progress window for long work on the user-interface thread, such as unpacking level packs at start-up.
#pragma once

#include <QString>
#include <memory>

class QProgressDialog;

// Shows only when the work looks like lasting more than half a second; without a window toolkit it shows nothing.
class TBusyProgress {
 public:
  explicit TBusyProgress(const QString& label);
  ~TBusyProgress();
  TBusyProgress(const TBusyProgress&) = delete;
  TBusyProgress& operator=(const TBusyProgress&) = delete;

  // done of total steps of the current piece of work; lets pending events run while the window shows.
  void Set(qint64 done, qint64 total);

 private:
  std::unique_ptr<QProgressDialog> dialog_;
};
