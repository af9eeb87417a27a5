// A piece record as JSON.
#include "tools/pack/PieceJson.h"

namespace {
QJsonObject RectJson(const TFloatRect& r) {
  return {{"Left", r.Left}, {"Top", r.Top}, {"Right", r.Right}, {"Bottom", r.Bottom}};
}
}  // namespace

QJsonObject PieceJson(const TPicClip& p) {
  return {{"row", p.row},
          {"col", p.col},
          {"Width", p.Width},
          {"Height", p.Height},
          {"Top", p.Top},
          {"Left", p.Left},
          {"SpeedRotation", p.SpeedRotation},
          {"AngleRotation", p.AngleRotation},
          {"DistanceMoving", p.DistanceMoving},
          {"Angle", static_cast<double>(p.Angle)},
          {"Loc_bkg", RectJson(p.Loc_bkg)},
          {"Loc_list", RectJson(p.Loc_list)},
          {"IdLeft", p.IdLeft},
          {"IdRight", p.IdRight},
          {"IdUp", p.IdUp},
          {"IdDown", p.IdDown},
          {"IndexAttach", p.IndexAttach},
          {"Index", p.Index},
          {"ID", p.ID}};
}
