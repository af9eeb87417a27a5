// What a join shows and sounds: the level game's lock sound and a brief glow over the joined group.
#include "free/table/JoinFeedback.h"

#include "free/table/PieceItem.h"
#include "platform/MediaPlayerFactory.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"

namespace {
// The sound of a piece locking in the level game: a join is the same event to the player.
const QString kJoinSound = QStringLiteral("resources/music/set.wav");
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
  player_->SetFileName(ResourceFolder() + kJoinSound);
  try {
    player_->Open();
    player_->Play();
  } catch (const std::exception& e) {
    ReportOnce("sound:" + player_->FileName(),
               QString("Не удалось воспроизвести звук: %1").arg(QString::fromStdString(e.what())));
  }
}

void TJoinFeedback::SetGlow(double glow) {
  for (TPieceItem* piece : pieces_) piece->SetGlow(glow);
}
