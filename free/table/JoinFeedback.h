// What a join shows and sounds: the level game's lock sound and a brief glow over the joined group.
#pragma once

#include <QObject>
#include <QTimeLine>
#include <vector>

class TMediaPlayer;
class TPieceItem;

class TJoinFeedback : public QObject {
 public:
  explicit TJoinFeedback(QObject* owner);

  // Sounds once and lets the pieces glow and fade; a join during the glow takes it over.
  void Joined(std::vector<TPieceItem*> pieces);
  bool Glowing() const { return glow_.state() == QTimeLine::Running; }

 private:
  void SetGlow(double glow);

  TMediaPlayer* player_;
  QTimeLine glow_;
  std::vector<TPieceItem*> pieces_;
};
