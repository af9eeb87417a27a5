// puzzle-pack savegame: a saved game as JSON. The level game's under the game's field names, with each piece's
// bitmap size; a free puzzle's with every piece's place.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <stdexcept>

#include "engine/level/SavedGameFile.h"
#include "free/saves/FreeSaveFile.h"
#include "tools/pack/Commands.h"
#include "tools/pack/FreeSaveJson.h"
#include "tools/pack/PieceJson.h"

namespace {
QJsonObject Piece(const TPicClip& p) {
  QJsonObject piece = PieceJson(p);
  piece["bmp"] = QJsonObject{{"Width", p.bmp ? p.bmp->Width() : 0}, {"Height", p.bmp ? p.bmp->Height() : 0}};
  return piece;
}

QJsonObject LevelGameJson(const QByteArray& bytes) {
  const TSavedGame game = ParseSavedGame(bytes);
  QJsonArray pieces;
  for (const TPicClip& piece : game.Pic) pieces.append(Piece(piece));
  const QJsonObject status{{"PicLayer_Index", game.GameStatus.PicLayer_Index},
                           {"timeint", game.GameStatus.timeint},
                           {"IdStep", game.GameStatus.IdStep},
                           {"Score", game.GameStatus.Score},
                           {"ParentWidth", game.GameStatus.ParentWidth},
                           {"ParentHeight", game.GameStatus.ParentHeight},
                           {"msg", game.GameStatus.msg}};
  return QJsonObject{{"kind", "level"},
                     {"CompletePuzzle", game.CompletePuzzle},
                     {"GameStatus", status},
                     {"dr", game.dr},
                     {"da", game.da},
                     {"level", game.level},
                     {"ColCount", game.ColCount},
                     {"RowCount", game.RowCount},
                     {"speed_movie", game.speed_movie},
                     {"limtime", game.limtime},
                     {"Pack", game.Pack},
                     {"Im_bkg_Path", game.Im_bkg_Path},
                     {"Im_bkg_Description", game.Im_bkg_Description},
                     {"N", static_cast<int>(game.Pic.size())},
                     {"Pic", pieces}};
}
}  // namespace

int SaveGameCommand(const QStringList& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: puzzle-pack savegame FILE\n");
    return 2;
  }
  QFile file(args[0]);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error(QString("cannot read %1: %2").arg(args[0], file.errorString()).toStdString());
  const QByteArray bytes = file.readAll();
  const QJsonObject json = LooksLikeFreeSave(bytes) ? FreeSaveJson(ParseFreeSave(bytes)) : LevelGameJson(bytes);
  std::fputs(QJsonDocument(json).toJson(QJsonDocument::Indented).constData(), stdout);
  return 0;
}
