// Free puzzles opened in a run: bad input gives one message and writes nothing, a good one opens and is saved at
// once, and a saved one comes back as it was, in the same file.
#include <gtest/gtest.h>

#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include "free/puzzle/FreeCut.h"
#include "free/puzzle/FreePuzzle.h"
#include "free/saves/FreeSaves.h"
#include "free/table/FreeTable.h"
#include "free/table/FreeWindow.h"
#include "free/windows/FreeGames.h"
#include "support/RecordingPlayer.h"
#include "support/TestProgram.h"

namespace {
QString Photo(const TestFolder& folder, const QString& name, QSize size) {
  QImage photo(size, QImage::Format_RGB32);
  for (int y = 0; y < size.height(); ++y)
    for (int x = 0; x < size.width(); ++x) photo.setPixel(x, y, qRgb(x * 7 % 256, y * 5 % 256, (x + y) % 256));
  EXPECT_TRUE(photo.save(folder.File(name)));
  return folder.File(name);
}

TFreeOrigin Origin(const QString& picture, int pieces, unsigned seed = 3) {
  std::mt19937 random(seed);
  return NewFreeOrigin(picture, pieces, false, random);
}

TEST(FreeGames, BadInputGivesOneMessageNamingTheFileAndWritesNothing) {
  TestProgram program;
  const QString tiny = Photo(program.folder, "крошка.png", {60, 40});
  const QString photo = Photo(program.folder, "фото.jpg", {640, 480});
  program.folder.Write("битая.jpg", "not a picture");
  const struct {
    const char* name;
    QString file;
    int pieces;
  } cases[] = {{"unreadable", "битая.jpg", 48},
               {"missing", "нет такой.jpg", 48},
               {"too few", "фото.jpg", 11},
               {"too many", "фото.jpg", 1001},
               {"too small", "крошка.png", 200}};
  TFreeGames games;
  for (const auto& c : cases) {
    program.messages.clear();
    EXPECT_EQ(games.Start(Origin(program.folder.File(c.file), c.pieces), true), nullptr) << c.name;
    ASSERT_EQ(program.messages.size(), 1) << c.name;
    EXPECT_TRUE(program.messages[0].contains(c.file)) << c.name << ": " << program.messages[0].toStdString();
    EXPECT_TRUE(program.messages[0].contains(QRegularExpression("[а-яА-Я]{4}"))) << c.name;
  }
  EXPECT_FALSE(QFileInfo::exists(FreeSaveFolder()));
  EXPECT_TRUE(games.Windows().empty());
}

TEST(FreeGames, ANewPuzzleIsSavedFromItsFirstMomentAndComesBackAsItWas) {
  RecordingPlayers players;
  TestProgram program;
  const QString photo = Photo(program.folder, "Озеро.png", {900, 600});
  TFreeGames games;
  TFreeWindow* window = games.Start(Origin(photo, 60), false);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->windowTitle().contains("Озеро"));
  EXPECT_FALSE(window->Table().GuideShown());
  const auto listed = ListFreeSaves();
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_TRUE(listed[0].Fault.isEmpty()) << listed[0].Fault.toStdString();
  EXPECT_EQ(listed[0].Origin.Picture, photo);
  const QString path = listed[0].Path;

  // A turn and a move at rest, then the window closes: what comes back is exactly that.
  TFreePuzzle& puzzle = window->Table().Puzzle();
  puzzle.Move(5, QPointF(-33.5, 12.25));
  puzzle.Turn(5, 90);
  puzzle.Raise(5);
  const TFreeState before = puzzle.State();
  std::vector<QTransform> places;
  for (int piece = 0; piece < int(puzzle.Pieces().size()); ++piece) places.push_back(puzzle.PieceToTable(piece));
  window->close();
  EXPECT_TRUE(games.Windows().empty());

  TFreeWindow* again = games.Resume(path);
  ASSERT_NE(again, nullptr);
  const TFreePuzzle& resumed = again->Table().Puzzle();
  EXPECT_EQ(resumed.State().GroupOf, before.GroupOf);
  EXPECT_EQ(resumed.Stacking(), before.Stacking);
  for (int piece = 0; piece < int(places.size()); ++piece) EXPECT_EQ(resumed.PieceToTable(piece), places[piece]);
  // Asked again while open, the same window comes forward.
  EXPECT_EQ(games.Resume(path), again);
  EXPECT_EQ(games.Windows().size(), 1u);

  // Started again: the same file, the same picture and count, every piece alone again.
  TFreeWindow* fresh = games.StartAgain(path);
  ASSERT_NE(fresh, nullptr);
  EXPECT_EQ(games.Windows().size(), 1u);
  EXPECT_EQ(fresh->Table().Puzzle().Stacking().size(), fresh->Table().Puzzle().Pieces().size());
  EXPECT_EQ(ListFreeSaves().size(), 1u);
  EXPECT_TRUE(program.messages.isEmpty()) << program.messages.join("\n").toStdString();
}
}  // namespace
