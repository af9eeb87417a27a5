// The default packs the build puts beside the game: every level sound, the themes as promised, a first start plays.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "game/LevelCheck.h"
#include "game/LevelFolder.h"
#include "game/LevelPacks.h"
#include "game/LevelSettings.h"
#include "game/PicPuzzle.h"
#include "platform/ProgramFolder.h"
#include "support/SourceTree.h"
#include "support/TestFolder.h"

namespace {
// The packs as committed, found from this file's place in the source tree.
struct Theme {
  int levels = 0, smallest = 100, largest = 0, withTray = 0;
};

TEST(DefaultPacks, EveryLevelChecksAndTheThemesAreComplete) {
  const QStringList packs = QDir(SourcePacksFolder()).entryList({"*.zip"}, QDir::Files);
  ASSERT_EQ(packs, QStringList({"priroda.zip", "standart.zip"}));
  TestFolder data;
  QMap<QString, Theme> themes;
  for (const QString& pack : packs) {
    TestFolder one;
    UnCompressData(SourcePacksFolder() + pack, one.Path());
    EXPECT_EQ(CheckLevelFolder(one.Path()), QStringList()) << pack.toStdString();
    for (const QString& ini : ListLevelFiles(one.Path())) {
      const TLevelSettings s = ReadLevelSettings(one.File(ini));
      Theme& theme = themes[s.pack];
      ++theme.levels;
      theme.smallest = std::min(theme.smallest, s.ColCount * s.RowCount);
      theme.largest = std::max(theme.largest, s.ColCount * s.RowCount);
      theme.withTray += s.Speed_Movie != 0;
      EXPECT_FALSE(s.info.isEmpty()) << ini.toStdString();
      EXPECT_FALSE(QFile::exists(data.File(ini))) << "two packs share " << ini.toStdString();
      data.Write(ini, "");
    }
  }
  ASSERT_EQ(themes.size(), 2);
  const Theme standart = themes.value("standart");
  EXPECT_GE(standart.levels, 8);
  EXPECT_EQ(standart.smallest, 4);
  EXPECT_EQ(standart.largest, 36);
  EXPECT_GE(standart.withTray, 2);
  EXPECT_GE(themes.value(QString::fromUtf8("Природа")).levels, 4);
}

// A first start with only the default packs beside the game unpacks them, and "Начать" finds level 1 of standart.
TEST(DefaultPacks, FirstStartUnpacksThemAndFindsTheFirstLevel) {
  TestFolder program;
  SetProgramFolder(program.Path());
  for (const QString& pack : {"standart.zip", "priroda.zip"})
    ASSERT_TRUE(QFile::copy(SourcePacksFolder() + pack, program.File(pack)));
  Puzzle.CheckPack();
  EXPECT_EQ(QDir(program.Path()).entryList({"*.zip"}, QDir::Files), QStringList());
  EXPECT_EQ(Puzzle.UpdateLevel(0, "standart", QString()), "st01_aitzgorri.ini");
  EXPECT_EQ(Puzzle.UpdateLevel(0, QString::fromUtf8("Природа"), QString()), "pr01_bozhya_korovka.ini");
  SetProgramFolder(QString());
}
}  // namespace
