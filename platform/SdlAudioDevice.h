// The sound output shared by every player: SDL_mixer opened by the first player and closed with the last,
// one mixing channel per player, so the music and the effects sound together.
#pragma once

#include <functional>
#include <memory>
#include <mutex>
#include <vector>

class TSdlAudioDevice {
 public:
  // The open device. Without a sound device it is silent; the player is told so once per run.
  static std::shared_ptr<TSdlAudioDevice> Acquire();
  ~TSdlAudioDevice();
  TSdlAudioDevice(const TSdlAudioDevice&) = delete;
  TSdlAudioDevice& operator=(const TSdlAudioDevice&) = delete;

  bool Silent() const { return silent_; }
  // Reserves a channel of its own; `finished` runs on the audio thread whenever the channel stops playing.
  int AttachChannel(std::function<void()> finished);
  // Frees the channel; the caller has halted it.
  void DetachChannel(int channel);

 private:
  TSdlAudioDevice();
  static void ChannelFinished(int channel);

  bool silent_ = true;
  std::mutex mutex_;  // guards channels_ against the audio thread; never held while calling SDL_mixer
  std::vector<std::function<void()>> channels_;
};
