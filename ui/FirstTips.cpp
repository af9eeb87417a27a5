// Which tips a level brings, their texts, and the player's record of the tips seen.
#include "ui/FirstTips.h"

#include <algorithm>

#include "engine/PicPuzzle.h"
#include "platform/PlayerSettings.h"

namespace {
constexpr TTip kAllTips[] = {TTip::FirstLevel, TTip::TurnedPieces, TTip::Tray, TTip::Hint};
const char* const kSeenKey = "tips/seen";

void WriteSeen(const QStringList& seen) { OpenPlayerSettings()->setValue(kSeenKey, seen); }
}  // namespace

TLevelLook LookOf(const TPicPuzzle& puzzle) {
  TLevelLook look;
  look.tray = puzzle.speed_movie != 0;
  look.turned =
      std::any_of(puzzle.Pic.begin(), puzzle.Pic.end(), [](const TPicClip& piece) { return piece.Angle != 0; });
  return look;
}

std::vector<TTip> TipsFor(TLevelLook level, const QStringList& seen) {
  const auto unseen = [&](TTip tip) { return !seen.contains(TipName(tip)); };
  std::vector<TTip> tips;
  if (unseen(TTip::FirstLevel)) tips.push_back(TTip::FirstLevel);
  if (level.turned && unseen(TTip::TurnedPieces)) tips.push_back(TTip::TurnedPieces);
  if (level.tray && unseen(TTip::Tray)) tips.push_back(TTip::Tray);
  if (!unseen(TTip::FirstLevel) && unseen(TTip::Hint)) tips.push_back(TTip::Hint);
  return tips;
}

QString TipText(TTip tip) {
  switch (tip) {
    case TTip::FirstLevel:
      return "Как играть\n\nПеретаскивайте детали мышью на их места на картинке. Деталь, положенная рядом со своим "
             "местом, встаёт на него сама и приносит 10 звёзд. Соберите картинку, пока не кончилось время.\n\n"
             "Пробел — пауза, F1 — правила игры.";
    case TTip::TurnedPieces:
      return "Детали повёрнуты\n\nВозьмите деталь мышью и поверните её колесом мыши, стрелками (на 1°), клавишами "
             "Page Up и Page Down (на 10°) или кнопками по бокам доски. На место встаёт только деталь, повёрнутая "
             "почти прямо.";
    case TTip::Tray:
      return "Лента\n\nВ этом уровне детали едут по ленте под доской. Щёлкните по детали на ленте, и она перейдёт "
             "на доску. Не медлите: если деталь доедет до правого края ленты, уровень проигран.";
    case TTip::Hint:
      return "Подсказка\n\nНе можете найти место детали? Возьмите её, затем нажмите «Подск. 15 зв.»: за 15 звёзд "
             "игра покажет, куда её положить.";
  }
  return QString();
}

QString TipName(TTip tip) {
  switch (tip) {
    case TTip::FirstLevel: return "first-level";
    case TTip::TurnedPieces: return "turned-pieces";
    case TTip::Tray: return "tray";
    case TTip::Hint: return "hint";
  }
  return QString();
}

QStringList SeenTips() { return OpenPlayerSettings()->value(kSeenKey).toStringList(); }

void MarkTipSeen(TTip tip) {
  QStringList seen = SeenTips();
  if (!seen.contains(TipName(tip))) WriteSeen(seen << TipName(tip));
}

void MarkAllTipsSeen() {
  QStringList seen;
  for (TTip tip : kAllTips) seen << TipName(tip);
  WriteSeen(seen);
}
