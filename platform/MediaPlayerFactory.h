// Which player the game makes: the SDL one, or the one a test installs.
#pragma once

#include <functional>

#include "platform/MediaPlayer.h"

// Makes the player the game uses; tests install a recording one. None restores the real player.
using TMediaPlayerFactory = std::function<TMediaPlayer*(QObject* owner)>;
TMediaPlayer* CreateMediaPlayer(QObject* owner);
void SetMediaPlayerFactory(TMediaPlayerFactory factory);
