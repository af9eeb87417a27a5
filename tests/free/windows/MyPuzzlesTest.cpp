// The window "Мои пазлы": good, damaged and orphaned puzzles listed side by side, what each allows, and a delete
// that asks first and touches no other file.
#include <gtest/gtest.h>

#include <QDir>
#include <QListWidget>
#include <QPushButton>

#include "free/puzzle/FreeCut.h"
#include "free/saves/FreeSaves.h"
#include "free/table/FreeWindow.h"
#include "free/windows/FreeGames.h"
#include "free/windows/MyPuzzles.h"
#include "support/RecordingPlayer.h"
#include "support/TestProgram.h"

namespace {
// Saves a puzzle of a picture made for it and closes its window.
QString SavedPuzzle(TFreeGames& games, const TestFolder& folder, const QString& name) {
  QImage photo(640, 480, QImage::Format_RGB32);
  photo.fill(QColor(120, 90, 40));
  EXPECT_TRUE(photo.save(folder.File(name)));
  std::mt19937 random(5);
  TFreeWindow* window = games.Start(NewFreeOrigin(folder.File(name), 12, false, random), true);
  EXPECT_NE(window, nullptr);
  window->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (const TFreeListing& listing : ListFreeSaves())
    if (listing.Origin.Picture == folder.File(name)) return listing.Path;
  ADD_FAILURE() << "no save of " << name.toStdString();
  return {};
}

int RowOf(const TMyPuzzles& list, const QString& path) {
  for (std::size_t row = 0; row < list.Listings().size(); ++row)
    if (list.Listings()[row].Path == path) return int(row);
  return -1;
}

TEST(MyPuzzles, ListsEveryKindAndDeletesOnlyWhatThePlayerConfirms) {
  RecordingPlayers players;
  TestProgram program;
  TFreeGames games;
  const QString good = SavedPuzzle(games, program.folder, "Лес.png");
  const QString orphan = SavedPuzzle(games, program.folder, "Пропажа.png");
  ASSERT_TRUE(QFile::remove(program.folder.File("Пропажа.png")));
  const QString damaged = QFileInfo(good).absolutePath() + "/испорчен." + QFileInfo(good).suffix();
  {
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("this is no puzzle at all"));
  }

  TMyPuzzles list;
  EXPECT_EQ(list.windowTitle(), "Мои пазлы");
  ASSERT_EQ(list.Listings().size(), 3u);
  const struct {
    QString path;
    bool playable;
    const char* says;
  } cases[] = {{good, true, "Собрано 0 %"}, {orphan, false, "больше нет"}, {damaged, false, "не прочесть"}};
  for (const auto& c : cases) {
    const int row = RowOf(list, c.path);
    ASSERT_GE(row, 0) << c.path.toStdString();
    list.Select(row);
    EXPECT_EQ(list.ContinueButton().isEnabled(), c.playable) << c.says;
    EXPECT_EQ(list.AgainButton().isEnabled(), c.playable) << c.says;
    EXPECT_TRUE(list.DeleteButton().isEnabled()) << c.says;
    const QString text = ListingText(list.Listings()[row]);
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.says))) << text.toStdString();
  }

  // Asked and answered "no", nothing goes; answered "yes", only the chosen file.
  list.Select(RowOf(list, damaged));
  program.answer = TMsgResult::No;
  list.DeleteButton().click();
  EXPECT_TRUE(QFileInfo::exists(damaged));
  ASSERT_EQ(program.messages.size(), 1);
  program.answer = TMsgResult::Yes;
  list.DeleteButton().click();
  EXPECT_FALSE(QFileInfo::exists(damaged));
  EXPECT_TRUE(QFileInfo::exists(good));
  EXPECT_TRUE(QFileInfo::exists(orphan));
  EXPECT_EQ(list.Listings().size(), 2u);
}
}  // namespace
