// "Как играть": opened by F1 and the "?" button, Russian text from the built-in resources, readable at any size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include "engine/PicPuzzle.h"
#include "support/WindowFixture.h"
#include "ui/Anchors.h"
#include "ui/HelpWindow.h"
#include "ui/MainForm.h"

namespace {
TEST(HelpText, TellsTheRulesKeysStarsOwnPicturesAndPacks) {
  const QString text = HowToPlayText();
  for (const char* part : {"Как играть", "Правила", "Клавиши", "F11", "Пробел", "Page Up", "Звёзды и бонусы",
                           "Подск. 15 зв.", "Свои картинки", "Мои картинки", "Наборы уровней", "puzzle-pack"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
}

class HelpWindow : public WindowFixture {
 protected:
  // Opens the help the way given, reads what it shows, and closes it.
  struct Seen {
    QString title;
    QSize size;
    bool scrolls = false;
    QString text;
    int step = 0;
  };
  Seen OpenHelp(const std::function<void()>& open) {
    Seen seen;
    QTimer::singleShot(50, [&] {
      auto* help = qobject_cast<THelpWindow*>(QApplication::activeModalWidget());
      if (!help) return;
      seen = {help->windowTitle(), help->size(), help->Text->verticalScrollBar()->maximum() > 0,
              help->Text->toPlainText(), Puzzle.GameStatus.IdStep};
      help->accept();
    });
    open();
    return seen;
  }
};

TEST_F(HelpWindow, F1AndTheQuestionMarkOpenIt) {
  OpenWindow();
  const Seen byKey = OpenHelp([&] { QTest::keyClick(form.get(), Qt::Key_F1); });
  EXPECT_EQ(byKey.title, "Как играть");
  EXPECT_TRUE(byKey.text.contains("Свои картинки"));
  const Seen byButton = OpenHelp([&] { QTest::mouseClick(form->HelpButton, Qt::LeftButton); });
  EXPECT_EQ(byButton.title, "Как играть");
  EXPECT_TRUE(form->HelpButton->isVisible());
  EXPECT_EQ(form->HelpButton->text(), "?");
}

TEST_F(HelpWindow, TheQuestionMarkSitsWhereTheDesignHasNothing) {
  OpenWindow();
  const QRect help = form->HelpButton->geometry();
  for (const QWidget* control : std::initializer_list<const QWidget*>{
           form->BmpButton1, form->BmpButton5, form->GroupBox, form->Im_list, form->RzBitBtn2, form->RzBitBtn4}) {
    EXPECT_FALSE(help.intersects(control->geometry())) << control->metaObject()->className();
  }
  // The design's controls keep their places.
  EXPECT_EQ(form->BmpButton1->geometry(),
            TAnchors::Place(QRect(0, 5, 81, 49), QSize(705, 617), akLeft | akTop, form->Panel->size()));
}

TEST_F(HelpWindow, ALevelInPlayWaitsWhileTheHelpIsOpen) {
  OpenWindow();
  Puzzle.GameStatus.IdStep = stPlaying;
  const Seen seen = OpenHelp([&] { form->HelpButtonClick(); });
  EXPECT_EQ(seen.step, stPaused);
  EXPECT_EQ(Puzzle.GameStatus.IdStep, stPlaying);
}

TEST_F(HelpWindow, FitsTheScreenAndScrollsWhenTheTextIsLonger) {
  OpenWindow();
  const Seen seen = OpenHelp([&] { form->HelpButtonClick(); });
  const QRect screen = form->screen()->availableGeometry();
  EXPECT_LE(seen.size.width(), screen.width());
  EXPECT_LE(seen.size.height(), screen.height());
  EXPECT_GE(seen.size.width(), 320);
  EXPECT_TRUE(seen.scrolls) << "the whole text does not fit at once, so it scrolls";
}
}  // namespace
