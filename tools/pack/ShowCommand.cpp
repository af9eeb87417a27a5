// puzzle-pack show: a level data file as JSON, under the game's field names.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "game/LevelData.h"
#include "tools/pack/Commands.h"

namespace {
QJsonObject Rect(const TFloatRect& r) {
  return {{"Left", r.Left}, {"Top", r.Top}, {"Right", r.Right}, {"Bottom", r.Bottom}};
}

QJsonObject Record(const TPicClip& p) {
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
          {"Loc_bkg", Rect(p.Loc_bkg)},
          {"Loc_list", Rect(p.Loc_list)},
          {"IdLeft", p.IdLeft},
          {"IdRight", p.IdRight},
          {"IdUp", p.IdUp},
          {"IdDown", p.IdDown},
          {"IndexAttach", p.IndexAttach},
          {"Index", p.Index},
          {"ID", p.ID}};
}
}  // namespace

int ShowCommand(const QStringList& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: puzzle-pack show FILE.level\n");
    return 2;
  }
  const TLevelData data = ReadLevelData(args[0]);
  QJsonArray records;
  for (const TPicClip& piece : data.Pic) records.append(Record(piece));
  const QJsonObject level{{"dr", data.dr},
                          {"da", data.da},
                          {"GameStatus", QJsonObject{{"PicLayer_Index", data.PicLayer_Index},
                                                     {"timeint", data.timeint},
                                                     {"IdStep", data.IdStep},
                                                     {"ParentWidth", data.ParentWidth},
                                                     {"ParentHeight", data.ParentHeight},
                                                     {"msg", data.msg}}},
                          {"N", static_cast<int>(data.Pic.size())},
                          {"Pic", records}};
  std::fputs(QJsonDocument(level).toJson(QJsonDocument::Indented).constData(), stdout);
  return 0;
}
