// puzzle-pack show: a level data file as JSON, under the game's field names.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "engine/level/LevelData.h"
#include "tools/pack/Commands.h"
#include "tools/pack/PieceJson.h"

int ShowCommand(const QStringList& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: puzzle-pack show FILE.level\n");
    return 2;
  }
  const TLevelData data = ReadLevelData(args[0]);
  QJsonArray records;
  for (const TPicClip& piece : data.Pic) records.append(PieceJson(piece));
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
