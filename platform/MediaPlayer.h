// An invisible audio player of one file at a time, with an end-of-play notification on the UI thread.
#pragma once

#include <QObject>
#include <QString>
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
  // Plays from the current position, rewinding first when at the end. Every play ends with a notification.
  virtual void Play() = 0;
  // Stops and keeps the position.
  virtual void Stop() = 0;

  TMPNotifyValue NotifyValue() const { return notifyValue_; }
  // Runs on the UI thread when a play ends; none keeps the player silent about it.
  std::function<void(TMediaPlayer* sender)> OnNotify;

  // Free for the owner: the background player's tag is the mute flag.
  int Tag = 0;

 protected:
  void Notify(TMPNotifyValue value) {
    notifyValue_ = value;
    if (OnNotify) OnNotify(this);
  }

 private:
  QString fileName_;
  TMPNotifyValue notifyValue_ = nvSuccessful;
};

// Makes the player the game uses; tests install a recording one.
using TMediaPlayerFactory = std::function<TMediaPlayer*(QObject* owner)>;
TMediaPlayer* CreateMediaPlayer(QObject* owner);
void SetMediaPlayerFactory(TMediaPlayerFactory factory);
