// The pack check names every kind of problem a level can have, and passes a sound level.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <functional>
#include <random>

#include "engine/level/LevelCheck.h"
#include "engine/level/LevelData.h"
#include "pieces/JigsawOutlines.h"
#include "support/TestFolder.h"

namespace {
const QByteArray kIni =
    "[PuzzleSettings]\nlevel=1\nimage=lake.jpg\nColCount=3\nRowCount=2\nLimTime=300\nSpeed_Movie=0\n";

TLevelData SoundData() {
  std::mt19937 random(1);
  TLevelData data;
  for (const QString& outline : JigsawOutlines(3, 2, random)) {
    data.Pic.emplace_back();
    data.Pic.back().ID = outline;
  }
  return data;
}

void WriteSoundLevel(const TestFolder& folder) {
  folder.Write("lake.ini", kIni);
  folder.Write("lake.level", LevelDataBytes(SoundData()));
  QImage picture(64, 64, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  if (!picture.save(folder.File("lake.jpg"), "JPG")) throw std::runtime_error("cannot write the picture");
}

void WithOutline(const TestFolder& folder, int piece, const QString& outline) {
  TLevelData data = SoundData();
  data.Pic[piece].ID = outline;
  folder.Write("lake.level", LevelDataBytes(data));
}

TEST(LevelCheck, SoundLevelHasNoProblem) {
  TestFolder folder;
  WriteSoundLevel(folder);
  EXPECT_EQ(CheckLevelFolder(folder.Path()), QStringList());
}

// The format asks for at least a record per cell; the game plays such a level and never uses the rest.
TEST(LevelCheck, RecordsBeyondTheGridAreNoProblem) {
  TestFolder folder;
  WriteSoundLevel(folder);
  TLevelData data = SoundData();
  data.Pic.emplace_back();
  data.Pic.back().ID = "not an outline at all";
  folder.Write("lake.level", LevelDataBytes(data));
  const TLevelCheck check = CheckLevels(folder.Path());
  EXPECT_EQ(check.problems, QStringList());
  ASSERT_EQ(check.warnings.size(), 2);  // the extra record, and the level has no description
  EXPECT_TRUE(check.warnings.join('\n').contains("лишние не используются")) << check.warnings.join('\n').toStdString();
}

TEST(LevelCheck, WarnsOfALevelWithoutTimeOrDescriptionAndNamesTheLevelsChecked) {
  const QByteArray described = QByteArray(kIni) + "info=Озеро\n";
  const struct {
    const char* name;
    QByteArray ini;
    QStringList warningsSay;
  } cases[] = {
      {"sound", described, {}},
      {"no_time", QByteArray(described).replace("LimTime=300", "LimTime=0"), {"LimTime=0"}},
      {"no_info", kIni, {"info"}},
      {"blank_info_and_no_time",
       QByteArray(kIni).replace("LimTime=300", "LimTime=0") + "info=  \n",
       {"LimTime=0", "info"}},
  };
  for (const auto& c : cases) {
    TestFolder folder;
    WriteSoundLevel(folder);
    folder.Write("lake.ini", c.ini);
    const TLevelCheck check = CheckLevels(folder.Path());
    EXPECT_EQ(check.levels, QStringList{"lake.ini"}) << c.name;
    EXPECT_EQ(check.problems, QStringList()) << c.name;
    ASSERT_EQ(check.warnings.size(), c.warningsSay.size()) << c.name << check.warnings.join('\n').toStdString();
    for (int i = 0; i < c.warningsSay.size(); ++i) {
      EXPECT_TRUE(check.warnings[i].contains(c.warningsSay[i])) << c.name << check.warnings[i].toStdString();
      EXPECT_TRUE(check.warnings[i].contains("lake.ini")) << c.name;
    }
  }
}

TEST(LevelCheck, EmptyFolderIsAProblem) {
  TestFolder folder;
  EXPECT_EQ(CheckLevelFolder(folder.Path()).size(), 1);
}

struct ProblemCase {
  const char* name;
  std::function<void(const TestFolder&)> damage;
  const char* says;
};

const ProblemCase kProblems[] = {
    {"data_file_missing", [](const TestFolder& f) { QFile::remove(f.File("lake.level")); }, "lake.level"},
    {"picture_missing", [](const TestFolder& f) { QFile::remove(f.File("lake.jpg")); }, "lake.jpg"},
    {"picture_not_jpeg", [](const TestFolder& f) { f.Write("lake.jpg", "not a picture"); }, "lake.jpg"},
    {"key_not_integer", [](const TestFolder& f) { f.Write("lake.ini", QByteArray(kIni).replace("=300", "=5m")); },
     "LimTime"},
    {"fewer_pieces_than_the_grid",
     [](const TestFolder& f) {
       TLevelData data = SoundData();
       data.Pic.pop_back();
       f.Write("lake.level", LevelDataBytes(data));
     },
     "lake.level"},
    {"outline_not_a_number", [](const TestFolder& f) { WithOutline(f, 2, "200,200,600,x"); }, "деталь 2"},
    {"outline_odd_count", [](const TestFolder& f) { WithOutline(f, 4, "200,200,600"); }, "деталь 4"},
    {"outline_leaves_the_pattern",
     [](const TestFolder& f) { WithOutline(f, 0, "200,200,900,200;900,200,600,600;600,600,200,600;200,600,200,200"); },
     "вне поля"},
    {"outline_short_of_the_cell",
     [](const TestFolder& f) { WithOutline(f, 5, "250,250,550,250;550,250,550,550;550,550,250,550;250,550,250,250"); },
     "не доходит"},
    {"outline_encloses_nothing", [](const TestFolder& f) { WithOutline(f, 1, "200,200,600,200"); }, "деталь 1"},
};

class LevelProblem : public testing::TestWithParam<ProblemCase> {};

TEST_P(LevelProblem, IsNamed) {
  TestFolder folder;
  WriteSoundLevel(folder);
  GetParam().damage(folder);
  const QStringList problems = CheckLevelFolder(folder.Path());
  ASSERT_FALSE(problems.isEmpty());
  EXPECT_TRUE(problems.join('\n').contains(QString::fromUtf8(GetParam().says))) << problems.join('\n').toStdString();
  for (const QString& problem : problems) EXPECT_TRUE(problem.contains("lake")) << problem.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, LevelProblem, testing::ValuesIn(kProblems),
                         [](const testing::TestParamInfo<ProblemCase>& info) { return info.param.name; });
}  // namespace
