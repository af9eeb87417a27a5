// First-time tips: shown before a level's clock starts, gone with a click, never again for that player.
#include <gtest/gtest.h>

#include <QFile>
#include <QTest>

#include "engine/PicPuzzle.h"
#include "platform/PlayerSettings.h"
#include "support/SourceTree.h"
#include "support/WindowFixture.h"
#include "ui/FirstTips.h"
#include "ui/MainForm.h"
#include "ui/TipPanel.h"

namespace {
constexpr int kTrayLevel = 7;  // "standart" level 7: pieces turned and riding the tray

TEST(TipChoice, EachThingIsToldOnceAndTheHintAfterTheFirstLevel) {
  const QStringList none, firstSeen{"first-level"}, all{"first-level", "turned-pieces", "tray", "hint"};
  const struct {
    const char* name;
    TLevelLook level;
    QStringList seen;
    std::vector<TTip> expected;
  } cases[] = {
      {"first level", {}, none, {TTip::FirstLevel}},
      {"first level turned on the tray", {true, true}, none, {TTip::FirstLevel, TTip::TurnedPieces, TTip::Tray}},
      {"a later level", {}, firstSeen, {TTip::Hint}},
      {"a later turned level", {true, false}, firstSeen, {TTip::TurnedPieces, TTip::Hint}},
      {"all seen", {true, true}, all, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(TipsFor(c.level, c.seen), c.expected) << c.name;
}

class FirstTips : public WindowFixture {
 protected:
  void SetUp() override {
    ASSERT_TRUE(QFile::copy(SourcePacksFolder() + "standart.zip", folder.File("standart.zip")));
    OpenPlayerSettings()->remove("tips");  // a new player
    ASSERT_NO_FATAL_FAILURE(OpenWindow());
  }

  void Start(int level) {
    Puzzle.level = level;
    QTest::mouseClick(form->BmpButton1, Qt::LeftButton);
    ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  }

  // The player reads the tip and clicks it away, anywhere on the window.
  void ClickTip() { QTest::mouseClick(form->TipPanel, Qt::LeftButton, Qt::NoModifier, QPoint(40, 40)); }

  bool TipCoversTheBoard() const {
    const QPoint boardCentre = form->Image_Bkg->mapTo(form.get(), form->Image_Bkg->rect().center());
    QWidget* top = form->childAt(boardCentre);
    return top == form->TipPanel || form->TipPanel->isAncestorOf(top);
  }
};

TEST_F(FirstTips, TheFirstLevelsClockWaitsForItsTipWhichComesOnlyOnce) {
  Start(0);
  ASSERT_TRUE(form->TipPanel->isVisible());
  EXPECT_EQ(form->TipPanel->Text(), TipText(TTip::FirstLevel));
  EXPECT_TRUE(TipCoversTheBoard());
  EXPECT_FALSE(Puzzle.Clock->isActive());
  const int timeLeft = Puzzle.GameStatus.timeint;
  QTest::qWait(400);
  EXPECT_EQ(Puzzle.GameStatus.timeint, timeLeft) << "no second passes while the tip is read";

  ClickTip();
  EXPECT_FALSE(form->TipPanel->isVisible());
  EXPECT_TRUE(Puzzle.Clock->isActive());
  EXPECT_TRUE(SeenTips().contains("first-level"));

  Start(0);  // the start button begins the level afresh: the first level's tip is not told again
  EXPECT_EQ(form->TipPanel->Text(), TipText(TTip::Hint));
  ClickTip();
  Start(0);
  EXPECT_FALSE(form->TipPanel->isVisible());
  EXPECT_TRUE(Puzzle.Clock->isActive());
}

TEST_F(FirstTips, ATurnedTrayLevelTellsOfEachThingAndHoldsTheConveyorUntilTheLast) {
  Start(kTrayLevel);
  const QString expected[] = {TipText(TTip::FirstLevel), TipText(TTip::TurnedPieces), TipText(TTip::Tray)};
  for (const QString& tip : expected) {
    ASSERT_TRUE(form->TipPanel->isVisible());
    EXPECT_EQ(form->TipPanel->Text(), tip);
    EXPECT_FALSE(Puzzle.Clock->isActive());
    EXPECT_FALSE(Puzzle.Timer->isActive()) << "the thumbnails wait too";
    ClickTip();
  }
  EXPECT_FALSE(form->TipPanel->isVisible());
  EXPECT_TRUE(Puzzle.Clock->isActive());
  EXPECT_TRUE(Puzzle.Timer->isActive());
}

TEST_F(FirstTips, TheNextLevelAfterAWinWaitsForItsTipThoughItIsSavedOnTheWay) {
  Start(0);
  ClickTip();
  Puzzle.winGame();
  form->MsgLabelClick();  // on to the next level, which is saved at once: stopped and played again
  ASSERT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
  EXPECT_EQ(form->TipPanel->Text(), TipText(TTip::Hint));
  EXPECT_FALSE(Puzzle.Clock->isActive());
  ClickTip();
  EXPECT_TRUE(Puzzle.Clock->isActive());
}

TEST_F(FirstTips, TipsSeenStayWithThePlayerAcrossStarts) {
  Start(0);
  ClickTip();
  CloseWindow();
  ResetPuzzle();
  OpenWindow();
  Puzzle.GameStatus.Score = 100;
  Start(0);
  EXPECT_EQ(form->TipPanel->Text(), TipText(TTip::Hint)) << "the first level's tip is not told again";
}
}  // namespace
