// What a join shows and sounds: the level game's lock sound and a brief glow over the joined group.
#include "free/table/JoinFeedback.h"

#include "free/table/PieceItem.h"
#include "platform/MediaPlayerFactory.h"
#include "platform/ProgramFolder.h"
#include "platform/SoundEffect.h"

namespace {
constexpr int kGlowMilliseconds = 450;
}  // namespace

TJoinFeedback::TJoinFeedback(QObject* owner)
    : QObject(owner), player_(CreateMediaPlayer(this)), glow_(kGlowMilliseconds, this) {
  glow_.setEasingCurve(QEasingCurve::OutQuad);
  connect(&glow_, &QTimeLine::valueChanged, this, [this](double value) { SetGlow(1 - value); });
  connect(&glow_, &QTimeLine::finished, this, [this] {
    SetGlow(0);
    pieces_.clear();
  });
}

void TJoinFeedback::Joined(std::vector<TPieceItem*> pieces) {
  SetGlow(0);
  pieces_ = std::move(pieces);
  glow_.stop();
  glow_.start();
  SetGlow(1);
  if (OpenSoundOrSayOnce(*player_, ResourceFolder() + kLockEffect)) player_->Play();
}

void TJoinFeedback::SetGlow(double glow) {
  for (TPieceItem* piece : pieces_) piece->SetGlow(glow);
}
