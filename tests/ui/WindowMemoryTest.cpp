// What the player's settings keep of the main window across starts: size, place, maximised or full screen, sound.
#include <gtest/gtest.h>

#include <QScreen>
#include <QTest>

#include "engine/PicPuzzle.h"
#include "platform/MediaPlayer.h"
#include "platform/PlayerSettings.h"
#include "support/WindowFixture.h"
#include "ui/MainForm.h"
#include "ui/WindowPlacement.h"

namespace {
class WindowMemory : public WindowFixture {
 protected:
  void Reopen() {
    CloseWindow();
    ResetPuzzle();
    OpenWindow();
    QCoreApplication::processEvents();
  }
};

TEST_F(WindowMemory, SizePlaceAndTheSoundSwitchComeBackAtTheNextStart) {
  OpenWindow();
  form->setGeometry(QRect(150, 90, 760, 760));
  Puzzle.MediaPlayerBKG->SetFileName("background_music.mp3");  // as once a level has started
  form->BmpButton5Click();
  ASSERT_EQ(form->BmpButton5->Tag, 1);

  Reopen();

  EXPECT_TRUE(PlayerSettingsFile().startsWith(program.config.Path())) << PlayerSettingsFile().toStdString();
  EXPECT_TRUE(QFile::exists(PlayerSettingsFile()));
  EXPECT_EQ(form->geometry(), QRect(150, 90, 760, 760));
  EXPECT_EQ(form->BmpButton5->Tag, 1);
  EXPECT_EQ(Puzzle.MediaPlayerBKG->Tag, 1) << "the music of the first level stays off";

  Puzzle.MediaPlayerBKG->SetFileName("background_music.mp3");
  form->BmpButton5Click();
  Reopen();
  EXPECT_EQ(form->BmpButton5->Tag, 0);
  EXPECT_EQ(Puzzle.MediaPlayerBKG->Tag, 0);
}

TEST_F(WindowMemory, MaximisedAndFullScreenComeBackWithTheWindowUnderThem) {
  const struct {
    const char* name;
    Qt::WindowState state;
  } cases[] = {{"maximised", Qt::WindowMaximized}, {"full screen", Qt::WindowFullScreen}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    OpenWindow();
    form->setGeometry(QRect(200, 120, 700, 700));
    if (c.state == Qt::WindowFullScreen)
      QTest::keyClick(form.get(), Qt::Key_F11);
    else
      form->showMaximized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->windowState() & c.state; }));

    Reopen();

    EXPECT_TRUE(form->windowState() & c.state);
    if (c.state == Qt::WindowFullScreen)
      QTest::keyClick(form.get(), Qt::Key_F11);
    else
      form->showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->windowState() == Qt::WindowNoState; }));
    QTest::qWait(20);
    EXPECT_EQ(form->geometry(), QRect(200, 120, 700, 700));
    CloseWindow();
  }
}

TEST_F(WindowMemory, APlaceThatNoLongerFitsTheScreensIsNotTaken) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect offTheScreens[] = {
      {screen.right() + 200, 100, 700, 700},  // on a second screen that has gone
      {0, 0, screen.height() + 300, screen.height() + 300},
  };
  for (const QRect& saved : offTheScreens) {
    SCOPED_TRACE(saved.x());
    SavePlacement(*OpenPlayerSettings(), {saved, TWindowPlacement::Normal, false});
    OpenWindow();
    EXPECT_NE(form->geometry(), saved);
    EXPECT_TRUE(screen.contains(form->frameGeometry()));
    EXPECT_EQ(form->width(), form->height());
    CloseWindow();
  }
}
}  // namespace
