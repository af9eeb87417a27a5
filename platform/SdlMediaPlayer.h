// The game's audio player over SDL_mixer: each player decodes its file whole and plays it on a channel of its
// own, so the music and an effect sound at once.
#pragma once

#include <atomic>
#include <memory>

#include "platform/MediaPlayer.h"
#include "platform/SdlAudioDevice.h"

struct Mix_Chunk;

class TSdlMediaPlayer : public TMediaPlayer {
 public:
  explicit TSdlMediaPlayer(QObject* owner);
  ~TSdlMediaPlayer() override;

  void Open() override;
  void Play() override;
  void Stop() override;

 private:
  enum class TState { Closed, Ready, Playing, Paused, Ended };
  // Runs on the UI thread for every end of the channel; `play` tells which start it ended.
  void ChannelEnded(int play);
  void Halt();

  std::shared_ptr<TSdlAudioDevice> device_;
  int channel_ = -1;
  std::unique_ptr<Mix_Chunk, void (*)(Mix_Chunk*)> chunk_;
  TState state_ = TState::Closed;
  // Numbers every start and every open; read by the audio thread when the channel ends.
  std::atomic<int> play_{0};
};
