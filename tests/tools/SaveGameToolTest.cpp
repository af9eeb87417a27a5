// puzzle-pack savegame: a saved game, the level game's or a free puzzle's, printed as JSON, and a damaged one
// refused with the fault named.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <random>

#include "engine/PicPuzzle.h"
#include "engine/level/SavedGameFile.h"
#include "free/puzzle/FreePuzzle.h"
#include "free/saves/FreeSaves.h"
#include "support/PackTool.h"
#include "support/TestFolder.h"

namespace {
ToolRun SaveGameTool(const QStringList& args) { return PuzzlePack(QStringList{"savegame"} + args); }

QByteArray TwoPieceGame() {
  TPicPuzzle game;
  game.CompletePuzzle = "a.jpg ";
  game.GameStatus = {{711, 620, 1, 250, stPaused, "null"}, 0, 130, "puz.sav"};
  game.dr = 7;
  game.da = 12;
  game.level = 3;
  game.ColCount = 2;
  game.RowCount = 1;
  game.speed_movie = 40;
  game.limtime = 600;
  game.Pack = "standart";
  game.Im_bkg_Path = "/games/levels/data/Лес.jpg";
  game.Im_bkg_Description = "Лес";
  for (int i = 0; i < 2; ++i) {
    TPicClip piece;
    piece.bmp = std::make_unique<TBitmap32>(30 + i, 20 - i, 0x80FF0000);
    piece.Width = 30 + i;
    piece.Height = 20 - i;
    piece.col = i;
    piece.Left = i * 25;
    piece.Angle = i ? 357.5L : 0.0L;
    piece.Loc_bkg = {1.5f, 2, 3, 4};
    piece.IndexAttach = i ? 1 : -1;
    piece.Index = i;
    piece.ID = "M 0 0";
    game.Pic.push_back(std::move(piece));
  }
  return SavedGameBytes(game);
}

TEST(SaveGameTool, PrintsTheHeaderEveryPieceAndItsBitmapSize) {
  TestFolder folder;
  folder.Write("puz.sav", TwoPieceGame());
  const ToolRun run = SaveGameTool({folder.File("puz.sav")});
  ASSERT_EQ(run.code, 0) << run.err.toStdString();
  const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
  EXPECT_EQ(json["kind"].toString(), "level");
  EXPECT_EQ(json["CompletePuzzle"].toString(), "a.jpg ");
  const QJsonObject status = json["GameStatus"].toObject();
  EXPECT_EQ(status["PicLayer_Index"].toInt(), 1);
  EXPECT_EQ(status["timeint"].toInt(), 250);
  EXPECT_EQ(status["Score"].toInt(), 130);
  EXPECT_EQ(status["IdStep"].toInt(), stPaused);
  EXPECT_EQ(status["ParentWidth"].toInt(), 711);
  EXPECT_EQ(status["msg"].toString(), "null");
  EXPECT_EQ(json["dr"].toInt(), 7);
  EXPECT_EQ(json["da"].toInt(), 12);
  EXPECT_EQ(json["level"].toInt(), 3);
  EXPECT_EQ(json["speed_movie"].toInt(), 40);
  EXPECT_EQ(json["limtime"].toInt(), 600);
  EXPECT_EQ(json["Pack"].toString(), "standart");
  EXPECT_EQ(json["Im_bkg_Path"].toString(), "/games/levels/data/Лес.jpg");
  EXPECT_EQ(json["Im_bkg_Description"].toString(), "Лес");
  EXPECT_EQ(json["N"].toInt(), 2);
  const QJsonArray pieces = json["Pic"].toArray();
  ASSERT_EQ(pieces.size(), 2);
  const QJsonObject second = pieces[1].toObject();
  EXPECT_EQ(second["bmp"].toObject()["Width"].toInt(), 31);
  EXPECT_EQ(second["bmp"].toObject()["Height"].toInt(), 19);
  EXPECT_EQ(second["Left"].toInt(), 25);
  EXPECT_DOUBLE_EQ(second["Angle"].toDouble(), 357.5);
  EXPECT_DOUBLE_EQ(second["Loc_bkg"].toObject()["Left"].toDouble(), 1.5);
  EXPECT_EQ(second["IndexAttach"].toInt(), 1);
  EXPECT_EQ(second["ID"].toString(), "M 0 0");
}

TEST(SaveGameTool, RefusesADamagedFileNamingTheFault) {
  TestFolder folder;
  folder.Write("puz.sav", TwoPieceGame().chopped(3));
  const ToolRun run = SaveGameTool({folder.File("puz.sav")});
  EXPECT_EQ(run.code, 1);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.contains("savegame")) << run.err.toStdString();
}

// A free puzzle of twelve pieces, turned, with one join; its picture exists nowhere, as the tool needs none.
std::unique_ptr<TFreePuzzle> FreePuzzle() {
  std::mt19937 random(4);
  const TFreeGrid grid = FitFreeGrid(QSize(240, 180), 12);
  QImage picture(grid.Picture, QImage::Format_RGB32);
  picture.fill(Qt::darkGreen);
  std::vector<TFreePiece> cut = CutFreePuzzle(picture, grid, random);
  TFreeLayout layout = LayOutFreeTable(grid, cut, true, random);
  auto puzzle = std::make_unique<TFreePuzzle>(grid, picture, std::move(cut), std::move(layout),
                                              TFreeOrigin{"/нигде/озеро.jpg", 12, true, 4});
  const int one = puzzle->GroupOf(1), zero = puzzle->GroupOf(0);
  puzzle->Turn(one, puzzle->Place(zero).Angle - puzzle->Place(one).Angle);
  puzzle->Move(one, puzzle->Place(zero).Origin - puzzle->Place(one).Origin);
  puzzle->Drop(one);
  return puzzle;
}

TEST(SaveGameTool, PrintsAFreePuzzleWithEveryPiecesPlace) {
  const auto puzzle = FreePuzzle();
  ASSERT_EQ(puzzle->GroupOf(0), puzzle->GroupOf(1));
  TestFolder folder;
  folder.Write("lake.puzzle", FreeSaveBytes(TakeFreeSave(*puzzle, 77)));
  const ToolRun run = SaveGameTool({folder.File("lake.puzzle")});
  ASSERT_EQ(run.code, 0) << run.err.toStdString();
  const QJsonObject json = QJsonDocument::fromJson(run.out.toUtf8()).object();
  EXPECT_EQ(json["kind"].toString(), "free");
  EXPECT_EQ(json["picture"].toString(), "/нигде/озеро.jpg");
  EXPECT_EQ(json["columns"].toInt(), puzzle->Grid().Columns);
  EXPECT_EQ(json["rows"].toInt(), puzzle->Grid().Rows);
  EXPECT_EQ(json["seconds"].toInt(), 77);
  EXPECT_EQ(json["finished"], QJsonValue(false));
  const QJsonArray pieces = json["pieces"].toArray();
  ASSERT_EQ(pieces.size(), int(puzzle->Pieces().size()));
  for (int i = 0; i < pieces.size(); ++i) {
    const QJsonObject piece = pieces[i].toObject();
    const TFreePiece& cut = puzzle->Pieces()[i];
    // The cell's top-left corner, in the piece image's pixels, where the piece lies on the table.
    const QPoint corner = FreeCell(puzzle->Grid(), cut.Column, cut.Row).topLeft() - cut.Home;
    const QPointF table = puzzle->PieceToTable(i).map(QPointF(corner));
    EXPECT_EQ(piece["index"].toInt(), i);
    EXPECT_NEAR(piece["x"].toDouble(), table.x(), 1e-9) << i;
    EXPECT_NEAR(piece["y"].toDouble(), table.y(), 1e-9) << i;
    EXPECT_EQ(piece["angle"].toDouble(), puzzle->Place(puzzle->GroupOf(i)).Angle) << i;
    EXPECT_EQ(piece["group"].toInt(), puzzle->GroupOf(i)) << i;
  }
}

TEST(SaveGameTool, RefusesADamagedFreePuzzleInRussian) {
  TestFolder folder;
  folder.Write("lake.puzzle", FreeSaveBytes(TakeFreeSave(*FreePuzzle(), 5)).chopped(3));
  const ToolRun run = SaveGameTool({folder.File("lake.puzzle")});
  EXPECT_EQ(run.code, 1);
  EXPECT_TRUE(run.out.isEmpty());
  EXPECT_TRUE(run.err.contains("обрывается")) << run.err.toStdString();
}
}  // namespace
