// puzzle-pack savegame: a saved game as JSON, under the game's field names, with each piece's bitmap size.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>
#include <stdexcept>

#include "engine/level/SavedGameFile.h"
#include "tools/pack/Commands.h"
#include "tools/pack/PieceJson.h"

namespace {
QJsonObject Piece(const TPicClip& p) {
  QJsonObject piece = PieceJson(p);
  piece["bmp"] = QJsonObject{{"Width", p.bmp ? p.bmp->Width() : 0}, {"Height", p.bmp ? p.bmp->Height() : 0}};
  return piece;
}
}  // namespace

int SaveGameCommand(const QStringList& args) {
  if (args.size() != 1) {
    std::fprintf(stderr, "usage: puzzle-pack savegame puz.sav\n");
    return 2;
  }
  QFile file(args[0]);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error(QString("cannot read %1: %2").arg(args[0], file.errorString()).toStdString());
  const TSavedGame game = ParseSavedGame(file.readAll());
  QJsonArray pieces;
  for (const TPicClip& piece : game.Pic) pieces.append(Piece(piece));
  const QJsonObject status{{"PicLayer_Index", game.GameStatus.PicLayer_Index},
                           {"timeint", game.GameStatus.timeint},
                           {"IdStep", game.GameStatus.IdStep},
                           {"Score", game.GameStatus.Score},
                           {"ParentWidth", game.GameStatus.ParentWidth},
                           {"ParentHeight", game.GameStatus.ParentHeight},
                           {"msg", game.GameStatus.msg}};
  const QJsonObject json{{"CompletePuzzle", game.CompletePuzzle},
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
  std::fputs(QJsonDocument(json).toJson(QJsonDocument::Indented).constData(), stdout);
  return 0;
}
