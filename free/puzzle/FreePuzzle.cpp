// The state of one free puzzle: groups, their places, the stacking, hits and the join of a drop.
#include "free/puzzle/FreePuzzle.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "free/puzzle/PlaceGeometry.h"

namespace {
double Distance(QPointF a, QPointF b) { return std::hypot(a.x() - b.x(), a.y() - b.y()); }
}  // namespace

TFreePuzzle::TFreePuzzle(TFreeGrid grid, QImage picture, std::vector<TFreePiece> pieces, TFreeLayout layout,
                         TFreeOrigin origin)
    : grid_(grid),
      origin_(std::move(origin)),
      picture_(std::move(picture)),
      pieces_(std::move(pieces)),
      table_(layout.Table),
      frame_(layout.Frame),
      places_(std::move(layout.Places)) {
  const std::size_t count = static_cast<std::size_t>(grid_.Columns) * grid_.Rows;
  if (pieces_.size() != count || places_.size() != count)
    throw std::invalid_argument("a free puzzle needs one piece and one place for every cell");
  groupOf_.resize(count);
  members_.resize(count);
  stacking_.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    groupOf_[i] = static_cast<int>(i);
    members_[i] = {static_cast<int>(i)};
    stacking_[i] = static_cast<int>(i);
  }
  const int cellSide = std::min(grid_.Picture.width() / grid_.Columns, grid_.Picture.height() / grid_.Rows);
  reach_ = cellSide * kFreeJoinReach;
}

QTransform TFreePuzzle::GroupToTable(int group) const {
  const TGroupPlace& place = places_[group];
  return QTransform().rotate(-place.Angle) * QTransform::fromTranslate(place.Origin.x(), place.Origin.y());
}

QTransform TFreePuzzle::PieceToTable(int piece) const {
  const QPoint home = pieces_[piece].Home;
  return QTransform::fromTranslate(home.x(), home.y()) * GroupToTable(groupOf_[piece]);
}

QPointF TFreePuzzle::CellCentre(int piece) const {
  return QRectF(FreeCell(grid_, pieces_[piece].Column, pieces_[piece].Row)).center();
}

QPointF TFreePuzzle::Centre(int group) const {
  QRect cells;
  for (int piece : members_[group]) cells |= FreeCell(grid_, pieces_[piece].Column, pieces_[piece].Row);
  return QRectF(cells).center();
}

QRectF TFreePuzzle::Bounds(int group) const {
  QRectF bounds;
  for (int piece : members_[group]) bounds |= PieceToTable(piece).mapRect(QRectF(pieces_[piece].Image.rect()));
  return bounds;
}

int TFreePuzzle::PieceAt(QPointF table) const {
  for (auto group = stacking_.rbegin(); group != stacking_.rend(); ++group) {
    const TGroupPlace& place = places_[*group];
    const QPointF picture = Rotated(table - place.Origin, -place.Angle);
    for (int piece : members_[*group]) {
      const QImage& image = pieces_[piece].Image;
      const QPointF local = picture - QPointF(pieces_[piece].Home);
      const int x = static_cast<int>(std::floor(local.x())), y = static_cast<int>(std::floor(local.y()));
      if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) continue;
      if (qAlpha(reinterpret_cast<const QRgb*>(image.constScanLine(y))[x]) > 0) return piece;
    }
  }
  return -1;
}

void TFreePuzzle::Raise(int group) {
  const auto at = std::find(stacking_.begin(), stacking_.end(), group);
  if (at != stacking_.end()) std::rotate(at, at + 1, stacking_.end());
}

void TFreePuzzle::Move(int group, QPointF delta) { places_[group].Origin += delta; }

void TFreePuzzle::Turn(int group, double degrees) {
  const QPointF centre = Centre(group);
  TGroupPlace& place = places_[group];
  const QPointF pivot = ToTable(place, centre);
  place.Angle += degrees;
  place.Origin = pivot - Rotated(centre, place.Angle);
}

bool TFreePuzzle::Agree(const TGroupPlace& a, const TGroupPlace& b, QPointF at) const {
  return std::fabs(AngleBetween(a.Angle, b.Angle)) <= kFreeJoinAngle &&
         Distance(ToTable(a, at), ToTable(b, at)) <= reach_;
}

bool TFreePuzzle::InFrame(int group) const {
  const TGroupPlace& place = places_[group];
  return place.Origin == frame_.topLeft() && AngleBetween(place.Angle, 0) == 0;
}

void TFreePuzzle::Merge(int from, int into) {
  // The joined group is drawn where the higher of the two was, so nothing the player just dropped sinks.
  const auto fromAt = std::find(stacking_.begin(), stacking_.end(), from);
  const auto intoAt = std::find(stacking_.begin(), stacking_.end(), into);
  if (fromAt > intoAt) *fromAt = into;
  stacking_.erase(fromAt > intoAt ? intoAt : fromAt);

  std::vector<int> joined;
  joined.reserve(members_[from].size() + members_[into].size());
  std::merge(members_[from].begin(), members_[from].end(), members_[into].begin(), members_[into].end(),
             std::back_inserter(joined));
  for (int piece : members_[from]) groupOf_[piece] = into;
  members_[into] = std::move(joined);
  members_[from].clear();
}

TJoinResult TFreePuzzle::Drop(int group) {
  TJoinResult result;
  const bool wasInFrame = InFrame(group);
  auto moved = [&](int g) {
    result.JoinedPieces.insert(result.JoinedPieces.end(), members_[g].begin(), members_[g].end());
  };
  for (bool joined = true; joined;) {
    joined = false;
    for (std::size_t m = 0; m < members_[group].size() && !joined; ++m) {
      const TFreePiece& piece = pieces_[members_[group][m]];
      const int neighbours[4][2] = {{piece.Row - 1, piece.Column},
                                    {piece.Row + 1, piece.Column},
                                    {piece.Row, piece.Column - 1},
                                    {piece.Row, piece.Column + 1}};
      for (const auto& [row, column] : neighbours) {
        if (row < 0 || column < 0 || row >= grid_.Rows || column >= grid_.Columns) continue;
        const int neighbour = row * grid_.Columns + column, other = groupOf_[neighbour];
        if (other == group || !Agree(places_[group], places_[other], CellCentre(neighbour))) continue;
        // The group that stays is the one in the frame, else the larger, else the one dropped onto: a large
        // assembled group never jumps to a small one.
        const bool otherStays = InFrame(other) || (!InFrame(group) && members_[other].size() >= members_[group].size());
        const int from = otherStays ? group : other, into = otherStays ? other : group;
        moved(from);
        places_[from] = places_[into];
        result.MergedGroups.push_back(from);
        Merge(from, into);
        group = into;
        joined = true;
        break;
      }
    }
  }
  const TGroupPlace framePlace{frame_.topLeft(), 0};
  if (!InFrame(group) && Agree(places_[group], framePlace, Centre(group))) {
    places_[group].Origin = framePlace.Origin;
    places_[group].Angle = 360 * std::round(places_[group].Angle / 360);
    result.JoinedPieces = members_[group];
  }
  std::sort(result.JoinedPieces.begin(), result.JoinedPieces.end());
  result.JoinedPieces.erase(std::unique(result.JoinedPieces.begin(), result.JoinedPieces.end()),
                            result.JoinedPieces.end());
  result.Group = group;
  result.IntoFrame = !wasInFrame && InFrame(group);
  result.Finished = Finished();
  return result;
}

bool TFreePuzzle::Finished() const { return stacking_.size() == 1; }

TFreeState TFreePuzzle::State() const { return {groupOf_, places_, stacking_}; }

void TFreePuzzle::Restore(const TFreeState& state) {
  const std::size_t count = pieces_.size();
  if (state.GroupOf.size() != count || state.Places.size() != count)
    throw TFreeError("в сохранении другое число деталей");
  std::vector<std::vector<int>> members(count);
  for (std::size_t piece = 0; piece < count; ++piece) {
    const int group = state.GroupOf[piece];
    if (group < 0 || static_cast<std::size_t>(group) >= count) throw TFreeError("деталь в несуществующей группе");
    members[group].push_back(static_cast<int>(piece));
  }
  std::vector<bool> stacked(count, false);
  for (int group : state.Stacking) {
    if (group < 0 || static_cast<std::size_t>(group) >= count || stacked[group] || members[group].empty())
      throw TFreeError("порядок групп на столе не сходится с группами");
    stacked[group] = true;
  }
  // A far-off or non-finite place would put pieces where the player can never reach them.
  const QRectF reach = table_.adjusted(-table_.width(), -table_.height(), table_.width(), table_.height());
  for (std::size_t group = 0; group < count; ++group) {
    if (members[group].empty()) continue;
    const TGroupPlace& place = state.Places[group];
    if (!stacked[group]) throw TFreeError("порядок групп на столе не сходится с группами");
    if (!std::isfinite(place.Angle) || std::fabs(place.Angle) > 1e6 || !std::isfinite(place.Origin.x()) ||
        !std::isfinite(place.Origin.y()) || !reach.contains(place.Origin))
      throw TFreeError("группа лежит за пределами стола");
  }
  groupOf_ = state.GroupOf;
  places_ = state.Places;
  members_ = std::move(members);
  stacking_ = state.Stacking;
}
