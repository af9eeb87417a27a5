// ZIP archives: what is written reads back, and damage is refused with the file named.
#include <gtest/gtest.h>

#include <QFile>

#include "platform/ZipArchive.h"
#include "support/TestFolder.h"

namespace {
TEST(ZipArchive, WrittenEntriesReadBack) {
  TestFolder folder;
  TZipWriter writer(folder.File("a.zip"));
  writer.Add("dir/Пейзаж.ini", QString::fromUtf8("[S]\ninfo=Озеро").toUtf8());
  writer.Add("big.bin", QByteArray(100000, 'z'));
  writer.Add("empty", QByteArray());
  writer.Write();
  EXPECT_FALSE(QFile::exists(folder.File("a.zip.part")));

  const TZipReader reader(folder.File("a.zip"));
  ASSERT_EQ(reader.Count(), 3);
  EXPECT_EQ(reader.Name(0), QString::fromUtf8("dir/Пейзаж.ini"));
  EXPECT_EQ(reader.Read(0), QString::fromUtf8("[S]\ninfo=Озеро").toUtf8());
  EXPECT_EQ(reader.Read(1), QByteArray(100000, 'z'));
  EXPECT_TRUE(reader.Read(2).isEmpty());
}

TEST(ZipArchive, DamageIsRefusedNamingTheFile) {
  TestFolder folder;
  folder.Write("text.zip", "plain text");
  folder.Write("empty.zip", "");
  for (const char* name : {"text.zip", "empty.zip", "absent.zip"}) {
    try {
      TZipReader reader(folder.File(name));
      ADD_FAILURE() << name << " opened";
    } catch (const TZipError& e) {
      EXPECT_TRUE(QString::fromStdString(e.what()).contains(name)) << e.what();
    }
  }
}

TEST(ZipArchive, WriterIntoAMissingFolderFailsWithoutAFile) {
  TestFolder folder;
  TZipWriter writer(folder.File("no/such/folder/a.zip"));
  writer.Add("x", "y");
  EXPECT_THROW(writer.Write(), TZipError);
}
}  // namespace
