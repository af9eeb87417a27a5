// Opening and closing SDL_mixer, handing out channels and routing their ends to the players.
#include "platform/SdlAudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <QString>

#include "platform/MessageBox.h"

namespace {
std::mutex deviceMutex;
std::weak_ptr<TSdlAudioDevice> shared;
// The open device, for SDL_mixer's plain-function callback.
TSdlAudioDevice* current = nullptr;

void ReportNoDevice(const char* reason) {
  ReportOnce(
      "sound-device",
      QString("Звуковое устройство недоступно (%1). Игра продолжится без звука.").arg(QString::fromUtf8(reason)));
}
}  // namespace

std::shared_ptr<TSdlAudioDevice> TSdlAudioDevice::Acquire() {
  std::lock_guard lock(deviceMutex);
  std::shared_ptr<TSdlAudioDevice> device = shared.lock();
  if (!device) {
    device.reset(new TSdlAudioDevice);
    shared = device;
  }
  return device;
}

TSdlAudioDevice::TSdlAudioDevice() {
  // The game ends itself on the session's signals; SDL's own handlers would swallow them.
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    ReportNoDevice(SDL_GetError());
    return;
  }
  Mix_Init(MIX_INIT_MP3 | MIX_INIT_OGG);
  // The sounds are 44.1 kHz stereo; a short buffer keeps the effects in step with the clicks.
  if (Mix_OpenAudio(44100, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
    ReportNoDevice(Mix_GetError());
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  silent_ = false;
  current = this;
  Mix_ChannelFinished(&TSdlAudioDevice::ChannelFinished);
}

TSdlAudioDevice::~TSdlAudioDevice() {
  if (silent_) return;
  Mix_HaltChannel(-1);
  Mix_ChannelFinished(nullptr);
  current = nullptr;
  Mix_CloseAudio();
  Mix_Quit();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

int TSdlAudioDevice::AttachChannel(std::function<void()> finished) {
  int channel = 0;
  int count = 0;
  {
    std::lock_guard lock(mutex_);
    while (channel < int(channels_.size()) && channels_[channel]) ++channel;
    if (channel == int(channels_.size())) channels_.emplace_back();
    channels_[channel] = std::move(finished);
    count = int(channels_.size());
  }
  // Outside the lock: allocating takes the audio lock, which the audio thread holds when it calls us back.
  if (!silent_ && Mix_AllocateChannels(-1) < count) Mix_AllocateChannels(count);
  return channel;
}

void TSdlAudioDevice::DetachChannel(int channel) {
  std::lock_guard lock(mutex_);
  if (channel >= 0 && channel < int(channels_.size())) channels_[channel] = nullptr;
}

void TSdlAudioDevice::ChannelFinished(int channel) {
  if (!current) return;
  std::lock_guard lock(current->mutex_);
  if (channel >= 0 && channel < int(current->channels_.size()) && current->channels_[channel])
    current->channels_[channel]();
}
