// A player starts a 48-piece free puzzle from the window "Свободная сборка" and completes it with the mouse; the
// time is kept as the best for that picture and count, and shown beside the next finish.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "FreePlayer.h"
#include "TableFixture.h"
#include "free/puzzle/FreePuzzle.h"
#include "free/saves/FreeRecords.h"
#include "free/saves/FreeSaves.h"
#include "free/table/FreeClock.h"
#include "free/table/FreeWindow.h"
#include "free/windows/FreeChooser.h"
#include "free/windows/FreeGames.h"
#include "support/TestProgram.h"

namespace {
// Starts the puzzle of about 48 pieces of the picture through the chooser with a click on "Начать".
TFreeWindow* StartFromChooser(TFreeGames& games, const QString& picture) {
  TFreeChooser chooser({{"Пробная", picture}});
  QObject::connect(&chooser, &TFreeChooser::StartChosen,
                   [&games](const TFreeOrigin& origin, bool guide) { games.Start(origin, guide); });
  chooser.show();
  chooser.ChoosePicture(picture);
  const auto& choices = chooser.Choices();
  const auto choice = std::find_if(choices.begin(), choices.end(), [](const auto& c) { return c.Pieces == 48; });
  if (choice == choices.end()) return nullptr;
  chooser.ChooseCount(static_cast<int>(choice - choices.begin()));
  QTest::mouseClick(&chooser.StartButton(), Qt::LeftButton);
  return games.Windows().empty() ? nullptr : games.Windows().back();
}

TEST(FromChooser, AScriptedPlayerFinishesAndTheBestTimeIsKept) {
  RecordingPlayers players;
  TestProgram program;
  const QString picture = program.folder.File("Пробная картинка.png");
  ASSERT_TRUE(DetailedPicture(800, 600).save(picture));
  TFreeGames games;

  std::vector<int> times;
  for (int round = 0; round < 2; ++round) {
    TFreeWindow* window = StartFromChooser(games, picture);
    ASSERT_NE(window, nullptr) << "round " << round;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    window->activateWindow();
    const TFreePuzzle& puzzle = window->Table().Puzzle();
    ASSERT_EQ(puzzle.Pieces().size(), 48u);
    ASSERT_NO_FATAL_FAILURE(PlayWholePuzzle(window->Table())) << "round " << round;
    const QString said = window->Congratulation().text();
    EXPECT_TRUE(window->Congratulation().isVisible());
    EXPECT_TRUE(said.startsWith("Поздравляем!")) << said.toStdString();
    times.push_back(window->Clock().Seconds());
    EXPECT_TRUE(said.contains(ClockText(times.back()))) << said.toStdString();
    // The first finish has no best before it; the second names the first's, or beats it.
    if (round == 1) {
      EXPECT_TRUE(said.contains("Лучшее время: " + ClockText(times[0])) || said.contains("Новый рекорд"))
          << said.toStdString();
    }
    const auto best = BestFreeSeconds(puzzle.Origin(), puzzle.Grid());
    ASSERT_TRUE(best.has_value());
    EXPECT_EQ(*best, *std::min_element(times.begin(), times.end()));
    window->close();
  }
  // Both finishes are in the list, finished, each in its own file.
  const auto listed = ListFreeSaves();
  ASSERT_EQ(listed.size(), 2u);
  for (const TFreeListing& listing : listed) {
    EXPECT_TRUE(listing.Finished);
    EXPECT_EQ(listing.PercentJoined, 100);
  }
  EXPECT_TRUE(program.messages.isEmpty()) << program.messages.join("\n").toStdString();
}
}  // namespace
