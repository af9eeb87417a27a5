// The progress window over QProgressDialog, which already waits before it appears.
#include "platform/BusyProgress.h"

#include <QApplication>
#include <QProgressDialog>

namespace {
constexpr int kShowAfterMs = 500;
constexpr int kSteps = 1000;
}  // namespace

TBusyProgress::TBusyProgress(const QString& label) {
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return;
  dialog_ = std::make_unique<QProgressDialog>(label, QString(), 0, kSteps);
  dialog_->setWindowTitle("KAVRIN Настольный Пазл");
  dialog_->setWindowModality(Qt::ApplicationModal);
  dialog_->setMinimumDuration(kShowAfterMs);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setValue(0);
}

TBusyProgress::~TBusyProgress() = default;

void TBusyProgress::Set(qint64 done, qint64 total) {
  if (!dialog_ || total <= 0) return;
  dialog_->setValue(static_cast<int>(done * kSteps / total));
}
