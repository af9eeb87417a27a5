// The factory that picks the game's audio player; the base player knows none of its kinds.
#include "platform/MediaPlayerFactory.h"

#include "platform/SdlMediaPlayer.h"

namespace {
TMediaPlayerFactory& Factory() {
  static TMediaPlayerFactory factory;
  return factory;
}
}  // namespace

TMediaPlayer* CreateMediaPlayer(QObject* owner) {
  if (Factory()) return Factory()(owner);
  return new TSdlMediaPlayer(owner);
}

void SetMediaPlayerFactory(TMediaPlayerFactory factory) { Factory() = std::move(factory); }
