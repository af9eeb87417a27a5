// An invisible audio player of one file at a time, with an end-of-play notification on the UI thread.
#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

enum TMPNotifyValue { nvSuccessful, nvSuperseded, nvAborted, nvFailure };

class TMediaPlayer : public QObject {
 public:
  explicit TMediaPlayer(QObject* owner) : QObject(owner) {}
  ~TMediaPlayer() override = default;

  QString FileName() const { return fileName_; }
  void SetFileName(const QString& name) { fileName_ = name; }

  // Opens the set file, closing (and so aborting) what the player had open. Throws when it cannot.
  virtual void Open() = 0;
  // Plays from the current position, rewinding first when at the end. Every play ends with a notification;
  // with nothing open the play fails at once.
  virtual void Play() = 0;
  // Stops and keeps the position; the play ends as aborted.
  virtual void Stop() = 0;

  TMPNotifyValue NotifyValue() const { return notifyValue_; }
  // Runs on the UI thread when a play ends; none keeps the player silent about it.
  std::function<void(TMediaPlayer* sender)> OnNotify;

  // Free for the owner: the background player's tag is the mute flag.
  int Tag = 0;

 protected:
  // Every command calls this first, so an end that raced with a later command is recognised.
  void CountCommand() { ++commands_; }
  // Queues the end of a play for the UI thread; callable from any thread. The handler runs between events,
  // never inside a call into the player. A play that reached its end but was followed by another command
  // before the handler ran arrives as superseded, so a stop or a new file is never undone by a restart.
  void PostNotify(TMPNotifyValue value);

 private:
  void Deliver(TMPNotifyValue value, int commandsAtEnd);

  QString fileName_;
  TMPNotifyValue notifyValue_ = nvSuccessful;
  std::atomic<int> commands_{0};
};
