// The level search: the cases players meet, and agreement with the one-pass-per-number search on random folders.
#include <gtest/gtest.h>

#include <QDir>
#include <random>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelFolder.h"
#include "engine/level/LevelSettings.h"
#include "platform/ProgramFolder.h"
#include "support/TestFolder.h"

namespace {
class LevelSearch : public testing::Test {
 protected:
  void SetUp() override { SetProgramFolder(folder.Path()); }
  void TearDown() override { SetProgramFolder(QString()); }

  // A level INI file in levels/data; a null pack leaves the key out.
  void Level(const QString& name, const QString& level, const char* pack = "standart") const {
    QByteArray text = "[PuzzleSettings]\nlevel=" + level.toUtf8() + "\n";
    if (pack) text += "pack=" + QByteArray(pack) + "\n";
    folder.Write("levels/data/" + name, text + "ColCount=2\nRowCount=2\nLimTime=60\nSpeed_Movie=0\n");
  }

  QString Search(int level, const QString& pack = "standart", const QString& done = QString()) const {
    return Puzzle.UpdateLevel(level, pack, done);
  }

  TestFolder folder;
};

TEST_F(LevelSearch, NoDataFolderOrNoLevelIsEmpty) {
  EXPECT_EQ(Search(0), "empty");
  QDir().mkpath(folder.File("levels/data"));
  folder.Write("levels/data/readme.txt", "not a level");
  EXPECT_EQ(Search(0), "empty");
}

TEST_F(LevelSearch, FolderNamedLikeALevelIsNotALevel) {
  QDir().mkpath(folder.File("levels/data/odd.ini"));
  EXPECT_EQ(Search(0), "empty");
}

TEST_F(LevelSearch, EveryLevelDoneIsNone) {
  Level("cat.ini", "1");
  Level("dog.ini", "2", "Природа");
  EXPECT_EQ(Search(0, "standart", "cat.jpg dog.jpg "), "none");
}

// The completion test is a substring search: wildcat done makes cat done too.
TEST_F(LevelSearch, CompletionIsASubstringTest) {
  Level("cat.ini", "1");
  Level("wildcat.ini", "2");
  Level("zebra.ini", "3", "other");
  EXPECT_EQ(Search(0, "standart", "wildcat.jpg "), "continue");
  EXPECT_EQ(Search(0, "standart", "zebra.jpg "), "cat.ini");
}

TEST_F(LevelSearch, GapsAreSkippedUpward) {
  Level("a.ini", "2");
  Level("b.ini", "5");
  Level("c.ini", "9");
  EXPECT_EQ(Search(0), "a.ini");
  EXPECT_EQ(Search(3, "standart", "a.jpg "), "b.ini");
  EXPECT_EQ(Search(6, "standart", "a.jpg b.jpg "), "c.ini");
  EXPECT_EQ(Search(10, "standart", "a.jpg b.jpg c.jpg "), "none");
  Level("other.ini", "1", "Природа");
  EXPECT_EQ(Search(10, "standart", "a.jpg b.jpg c.jpg "), "continue");
}

TEST_F(LevelSearch, MissingPackKeyMeansStandart) {
  Level("plain.ini", "4", nullptr);
  EXPECT_EQ(Search(0), "plain.ini");
  EXPECT_EQ(Search(0, "Standart"), "continue");  // pack names compare exactly
}

TEST_F(LevelSearch, MissingLevelKeyMeansZeroAndBlanksAreTrimmed) {
  folder.Write("levels/data/zero.ini", "[PuzzleSettings]\npack=p\n");
  folder.Write("levels/data/seven.ini", "[PuzzleSettings]\npack=p\nlevel=  7  \n");
  EXPECT_EQ(Search(0, "p"), "zero.ini");
  EXPECT_EQ(Search(1, "p"), "seven.ini");
}

TEST_F(LevelSearch, NumbersAbove1000AreFoundOnlyWhenAskedFor) {
  Level("far.ini", "1001");
  EXPECT_EQ(Search(0), "continue");
  EXPECT_EQ(Search(1001), "far.ini");
  Level("edge.ini", "1000");
  EXPECT_EQ(Search(0), "edge.ini");
}

TEST_F(LevelSearch, SameNumberTwiceTakesTheFirstByName) {
  Level("b.ini", "3");
  Level("a.ini", "3");
  EXPECT_EQ(Search(0), "a.ini");
  EXPECT_EQ(Search(0, "standart", "a.jpg "), "b.ini");
}

TEST_F(LevelSearch, NonIntegerLevelFailsNamingFileAndKey) {
  Level("good.ini", "5");
  Level("bad.ini", "five");
  try {
    Search(0);
    FAIL() << "no error";
  } catch (const TLevelError& e) {
    EXPECT_TRUE(e.Text().contains("bad.ini")) << e.what();
    EXPECT_TRUE(e.Text().contains("«level»")) << e.what();
  }
}

// --- agreement with the search as first described: the folder is listed again for every number ---

QString LiteralUpdateLevel(int PuzzleLevel, const QString& PackLevel, const QString& completePuz) {
  const QString folder = LevelDataFolder();
  QString result = "empty";
  if (QDir(folder).exists()) {
    for (const QString& name : ListLevelFiles(folder)) {
      result = "none";
      if (!completePuz.contains(QString(name).remove(".ini"))) {
        result = "continue";
        break;
      }
    }
  }
  if (result == "empty" || result == "none") return result;
  result = "continue";
  for (int L = PuzzleLevel;; ++L) {
    for (const QString& name : ListLevelFiles(folder)) {
      const TIniFile ini = OpenLevelIni(folder + name);
      const int level = ReadLevelNumber(ini);
      const QString pack = ReadLevelPack(ini);
      if (level == L && pack == PackLevel && !completePuz.contains(QString(name).remove(".ini"))) return name;
    }
    if (L >= 1000) break;
  }
  return "continue";
}

// The outcome of a search as comparable text: the result, or the error it failed with.
template <typename Search>
QString Outcome(Search search) {
  try {
    return search();
  } catch (const TLevelError& e) {
    return "error: " + e.Text();
  }
}

TEST_F(LevelSearch, AgreesWithTheSearchThatListsOncePerNumber) {
  std::mt19937 random(2024);
  const char* packs[] = {"standart", "Природа", "standart", "other", nullptr};
  const QStringList names = {"cat", "wildcat", "lake", "lake2", "a", "b", "forest", "sea", "x1", "Z"};
  int compared = 0, found = 0, failed = 0, finished = 0;
  for (int round = 0; round < 20; ++round) {
    TestFolder roundFolder;
    SetProgramFolder(roundFolder.Path());
    QDir().mkpath(roundFolder.File("levels/data"));
    QStringList levels;
    const int count = 1 + random() % 7;
    for (int i = 0; i < count; ++i) {
      const QString name = names[random() % names.size()] + (random() % 3 == 0 ? "_" + QString::number(i) : "");
      QString level = QString::number(static_cast<int>(random() % 12) - 1);
      if (random() % 8 == 0) level = QString::number(995 + random() % 10);  // around the 1000 limit
      if (random() % 25 == 0) level = "x";                                  // an unreadable number
      const char* pack = packs[random() % 5];
      QByteArray text = "[PuzzleSettings]\nlevel=" + level.toUtf8() + "\n";
      if (pack) text += "pack=" + QByteArray(pack) + "\n";
      roundFolder.Write("levels/data/" + name + ".ini", text);
      levels << name;
    }
    for (int query = 0; query < 4; ++query) {
      QString done;
      for (const QString& name : levels)
        if (random() % 4 == 0) done += name + ".jpg ";
      const int from = query == 0 ? static_cast<int>(random() % 1010) - 2 : static_cast<int>(random() % 6);
      const QString pack = QString::fromUtf8(packs[random() % 2]);
      const QString fast = Outcome([&] { return Puzzle.UpdateLevel(from, pack, done); });
      const QString literal = Outcome([&] { return LiteralUpdateLevel(from, pack, done); });
      EXPECT_EQ(fast, literal) << "round " << round << " from " << from << " pack " << pack.toStdString() << " done "
                               << done.toStdString();
      ++compared;
      found += fast.endsWith(".ini");
      failed += fast.startsWith("error");
      finished += fast == "continue";
    }
  }
  // The generated folders must exercise found levels and failures, not only "continue".
  EXPECT_EQ(compared, 80);
  EXPECT_GT(found, 20);
  EXPECT_GT(failed, 0);
  EXPECT_GT(finished, 5);
  SetProgramFolder(folder.Path());
}
}  // namespace
