// A player completes a 48-piece free puzzle through the real window with the mouse: first a block of pieces joined
// off the frame, then every group brought into the frame, until the congratulation shows.
#include <QLabel>
#include <QTest>

#include "FreePlayer.h"
#include "TableFixture.h"
#include "free/table/FreeWindow.h"
#include "free/table/PieceItem.h"

namespace {
TEST(ScriptedPlayer, CompletesA48PieceFreePuzzleWithTheMouse) {
  RecordingPlayers players;
  TFreeWindow window(SmallFreePuzzle(48), "/pictures/Пробная картинка.jpg");
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(window.windowTitle().contains("Пробная картинка")) << window.windowTitle().toStdString();
  TFreeTable& table = window.Table();
  const TFreePuzzle& puzzle = table.Puzzle();
  ASSERT_EQ(puzzle.Pieces().size(), 48u);
  EXPECT_FALSE(window.Congratulation().isVisible());

  ASSERT_NO_FATAL_FAILURE(PlayWholePuzzle(table));
  EXPECT_TRUE(window.Congratulation().isVisible());
  EXPECT_TRUE(window.Congratulation().text().startsWith("Поздравляем!"))
      << window.Congratulation().text().toStdString();
  for (int piece = 0; piece < 48; ++piece)
    EXPECT_EQ(table.Item(piece).sceneTransform(), puzzle.PieceToTable(piece)) << "piece " << piece;
}
}  // namespace
