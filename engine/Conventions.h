// The game's shared conventions: piece alphas, layer tags, sizes, resource file names and level search results.
#pragma once

#include <QString>

#include "platform/SoundEffect.h"

// Master alphas of the board picture and the piece layers.
constexpr int kOpaqueAlpha = 255;
constexpr int kLoosePieceAlpha = 150;       // a loose board piece at rest
constexpr int kMovingThumbnailAlpha = 150;  // a tray thumbnail once it moves
constexpr int kPlayingPictureAlpha = 50;    // the board picture behind a level in play

// Layer tags: 0 and up name the piece a layer shows; below 0 are not loose pieces.
enum : int { tagLocked = -2, tagHintMarker = -3 };

// Level pictures are resampled to this square; outlines are traced in the same space.
constexpr int kPictureSize = 800;
// Tray thumbnails are kThumbSize pixels square, set out by the cut (pieces/PieceCut.h), which knows no game state.

// The countdown: ten ticks of this many milliseconds make a counted second.
constexpr int kClockInterval = 94;
// A saved level without its own time limit resumes with this many seconds.
constexpr int kResumeSeconds = 300;

// Resource files, relative to the resource folder.
inline const QString kDefaultPicture = QStringLiteral("resources/backgrd/default.jpg");
inline const QString kMessagePanelPicture = QStringLiteral("resources/backgrd/bkg1.bmp");
inline const QString kPanelTexture = QStringLiteral("resources/backgrd/bkg3.jpg");
inline const QString kHintMarkerPicture = QStringLiteral("resources/backgrd/search.bmp");
inline const QString kBackgroundMusic = QStringLiteral("resources/music/background_music.mp3");
inline const QString kWinJingle = QStringLiteral("resources/music/win.mp3");
// The lock sound, kLockEffect, is shared with free assembly: platform/SoundEffect.h.
inline const QString kPressEffect = QStringLiteral("resources/music/click2.mp3");
inline const QString kStarPicture = QStringLiteral("resources/ui/star.png");

// What the level search returns when it finds no level file.
inline const QString kSearchEmpty = QStringLiteral("empty");        // the data folder holds no levels
inline const QString kSearchNone = QStringLiteral("none");          // every level is completed
inline const QString kSearchContinue = QStringLiteral("continue");  // the current theme is completed
