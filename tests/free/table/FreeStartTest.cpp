// A free puzzle started from a picture file: its window, or one Russian message naming the file and the reason.
#include <QDir>
#include <QTest>

#include "TableFixture.h"
#include "free/table/FreeStart.h"
#include "free/table/FreeWindow.h"
#include "platform/MessageBox.h"
#include "support/TestFolder.h"

namespace {
TEST(FreeStart, BadInputGivesOneMessageNamingTheFileAndWritesNothing) {
  TestFolder folder;
  QImage tiny(60, 40, QImage::Format_RGB32);
  tiny.fill(Qt::darkGreen);
  ASSERT_TRUE(tiny.save(folder.File("крошка.png")));
  QImage photo(640, 480, QImage::Format_RGB32);
  photo.fill(Qt::darkCyan);
  ASSERT_TRUE(photo.save(folder.File("фото.jpg")));
  folder.Write("битая.jpg", "not a picture");
  const struct {
    const char* name;
    QString file;
    int pieces;
  } cases[] = {{"unreadable", "битая.jpg", 48},
               {"missing", "нет такой.jpg", 48},
               {"too few", "фото.jpg", 11},
               {"too many", "фото.jpg", 1001},
               {"too small", "крошка.png", 200}};
  const QStringList before = QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
  for (const auto& c : cases) {
    QStringList messages;
    SetMessageBoxHook([&](const QString& text, const QString&, TMsgIcon, TMsgButtons) {
      messages << text;
      return TMsgResult::Ok;
    });
    std::mt19937 random(1);
    EXPECT_EQ(OpenFreePuzzle(folder.File(c.file), c.pieces, false, random), nullptr) << c.name;
    SetMessageBoxHook(nullptr);
    ASSERT_EQ(messages.size(), 1) << c.name;
    EXPECT_TRUE(messages[0].contains(c.file)) << c.name << ": " << messages[0].toStdString();
    EXPECT_TRUE(messages[0].contains(QRegularExpression("[а-яА-Я]{4}"))) << c.name << ": " << messages[0].toStdString();
  }
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
}

TEST(FreeStart, AGoodPictureOpensItsWindow) {
  RecordingPlayers players;
  TestFolder folder;
  QImage photo(900, 600, QImage::Format_RGB32);
  photo.fill(Qt::darkCyan);
  ASSERT_TRUE(photo.save(folder.File("Озеро.jpg")));
  std::mt19937 random(1);
  const auto window = OpenFreePuzzle(folder.File("Озеро.jpg"), 60, true, random);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->windowTitle().contains("Озеро"));
  EXPECT_NEAR(double(window->Table().Puzzle().Pieces().size()), 60, 8);
}
}  // namespace
