// Unpacking level packs at start-up: folders, bare names, replacing, staging, and packs that cannot be read.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "engine/PicPuzzle.h"
#include "engine/level/LevelPacks.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/ZipArchive.h"
#include "support/TestFolder.h"

namespace {
using Entries = std::vector<std::pair<QString, QByteArray>>;

class LevelPacks : public testing::Test {
 protected:
  void SetUp() override {
    SetProgramFolder(folder.Path());
    SetMessageBoxHook([this](const QString& text, const QString&, TMsgIcon, TMsgButtons) {
      messages << text;
      return TMsgResult::Ok;
    });
  }
  void TearDown() override {
    SetMessageBoxHook(nullptr);
    SetProgramFolder(QString());
  }

  void Zip(const QString& name, const Entries& entries) const {
    TZipWriter zip(folder.File(name));
    for (const auto& [entry, bytes] : entries) zip.Add(entry, bytes);
    zip.Write();
  }
  QByteArray Data(const QString& name) const {
    QFile file(folder.File("levels/data/" + name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
  }
  QStringList Files(const QString& sub) const {
    return QDir(folder.File(sub)).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
  }

  TestFolder folder;
  QStringList messages;
};

TEST_F(LevelPacks, FirstStartWithoutPacksMakesTheFolders) {
  Puzzle.CheckPack();
  EXPECT_TRUE(QDir(folder.File("levels/data")).exists());
  EXPECT_TRUE(QDir(folder.File("levels/temp")).exists());
  EXPECT_TRUE(Files("levels/data").isEmpty());
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LevelPacks, PackInTheProgramFolderEndsUpUnpackedAndGone) {
  Zip("standart.zip", {{"cat.ini", "ini"}, {"cat.level", "level"}, {"cat.jpg", "jpg"}});
  Zip("UPPER.ZIP", {{"dog.ini", "dog"}});
  Puzzle.CheckPack();
  EXPECT_EQ(Files("levels/data"), QStringList({"cat.ini", "cat.jpg", "cat.level", "dog.ini"}));
  EXPECT_EQ(Data("cat.level"), "level");
  EXPECT_FALSE(QFile::exists(folder.File("standart.zip")));
  EXPECT_FALSE(QFile::exists(folder.File("UPPER.ZIP")));
  EXPECT_TRUE(Files("levels/temp").isEmpty());
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(LevelPacks, PackLeftStagedByAnEarlierStartIsUnpackedAndRemoved) {
  QDir().mkpath(folder.File("levels/temp"));
  Zip("levels/temp/old.zip", {{"old.ini", "old"}});
  Puzzle.CheckPack();
  EXPECT_EQ(Data("old.ini"), "old");
  EXPECT_TRUE(Files("levels/temp").isEmpty());
}

TEST_F(LevelPacks, EntriesGoUnderTheirBareNamesAndReplaceExistingFiles) {
  folder.Write("levels/data/cat.ini", "old text");
  Zip("pack.zip", {{"pack/levels/cat.ini", "new text"},
                   {"windows\\made\\lake.ini", "lake"},
                   {"first/same.ini", "first"},
                   {"second/same.ini", "second"},
                   {"folder/", ""},
                   {"up/..", "dots"},
                   {"here/.", "dot"},
                   {"../../escape.ini", "kept inside"}});
  Puzzle.CheckPack();
  EXPECT_EQ(Files("levels/data"), QStringList({"cat.ini", "escape.ini", "lake.ini", "same.ini"}));
  EXPECT_EQ(Data("cat.ini"), "new text");
  EXPECT_EQ(Data("same.ini"), "second");  // the one extracted last
  EXPECT_EQ(Data("escape.ini"), "kept inside");
  EXPECT_FALSE(QFile::exists(folder.File("../escape.ini")));
}

TEST_F(LevelPacks, BareNames) {
  const struct {
    const char* entry;
    const char* bare;
  } cases[] = {{"a.ini", "a.ini"},
               {"x/y/a.ini", "a.ini"},
               {"x\\y\\a.ini", "a.ini"},
               {"x\\y/a.ini", "a.ini"},
               {"x/y\\a.ini", "a.ini"},
               {"dir/", ""},
               {"", ""},
               {".", ""},
               {"..", ""},
               {"a/..", ""},
               {"a\\.", ""},
               {"...", "..."},
               {".hidden", ".hidden"}};
  for (const auto& c : cases) EXPECT_EQ(BareEntryName(c.entry), c.bare) << c.entry;
}

// A damaged archive is set aside and reported once, all of them in one box; the other packs are still unpacked and
// start-up goes on.
TEST_F(LevelPacks, UnreadablePackIsSetAsideAndReportedOnce) {
  Zip("good.zip", {{"good.ini", "good"}});
  Zip("whole.zip", {{"a.ini", QByteArray(5000, 'a')}, {"b.ini", "b"}});
  QFile whole(folder.File("whole.zip"));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray zipBytes = whole.readAll();
  whole.close();
  QFile::remove(folder.File("whole.zip"));
  folder.Write("garbage.zip", "this is not an archive");
  folder.Write("cut.zip", zipBytes.left(zipBytes.size() / 2));
  QByteArray flipped = zipBytes;
  flipped[40] = static_cast<char>(flipped[40] ^ 0x55);  // inside the first entry's compressed bytes
  folder.Write("flipped.zip", flipped);

  Puzzle.CheckPack();
  ShowPackReport();
  EXPECT_EQ(Data("good.ini"), "good");
  EXPECT_EQ(Files("levels/temp"), QStringList({"cut.zip.bad", "flipped.zip.bad", "garbage.zip.bad"}));
  ASSERT_EQ(messages.size(), 1);
  for (const QString name : {"cut.zip", "flipped.zip", "garbage.zip"})
    EXPECT_EQ(messages[0].count(name + ".bad"), 1) << name.toStdString() << "\n" << messages[0].toStdString();
  EXPECT_TRUE(messages[0].contains("поврежд")) << "libzip's reasons come in Russian";

  Puzzle.CheckPack();  // set aside, so not tried or reported again
  ShowPackReport();
  EXPECT_EQ(messages.size(), 1);
}

TEST_F(LevelPacks, UnCompressDataCreatesTheTargetFolder) {
  Zip("p.zip", {{"x.ini", "x"}});
  UnCompressData(folder.File("p.zip"), folder.File("new/target"));
  QFile file(folder.File("new/target/x.ini"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "x");
  EXPECT_THROW(UnCompressData(folder.File("absent.zip"), folder.File("t")), TZipError);
}
}  // namespace
