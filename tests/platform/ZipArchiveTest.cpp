// ZIP archives: what is written reads back, and damage is refused with the file named.
#include <gtest/gtest.h>
#include <zip.h>

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
      const QString text = QString::fromStdString(e.what());
      EXPECT_TRUE(text.contains(name)) << e.what();
      EXPECT_TRUE(text.contains("это не ZIP-архив") || text.contains("не открывается")) << "in Russian: " << e.what();
    }
  }
}

TEST(ZipArchive, WriterIntoAMissingFolderFailsWithoutAFile) {
  TestFolder folder;
  TZipWriter writer(folder.File("no/such/folder/a.zip"));
  writer.Add("x", "y");
  EXPECT_THROW(writer.Write(), TZipError);
}
// Windows tools store names in the DOS code page without the UTF-8 flag; libzip alone would read them as CP437.
TEST(ZipArchive, NamesWithoutTheUtf8FlagAreReadAsCp866UnlessTheyAreUtf8) {
  TestFolder folder;
  const struct {
    QByteArray stored;
    zip_flags_t encoding;
    const char* read;
  } cases[] = {{"\x8A\xAE\xE2.ini", ZIP_FL_ENC_CP437, "Кот.ini"},
               {"\xAF\xA5\xE1\xAE\xAA/\x8F\x85\x91.bmp", ZIP_FL_ENC_CP437, "песок/ПЕС.bmp"},
               {"plain.ini", ZIP_FL_ENC_CP437, "plain.ini"},
               {"Зима.ini", ZIP_FL_ENC_UTF_8, "Зима.ini"},
               {"Лето.ini", ZIP_FL_ENC_GUESS, "Лето.ini"}};
  int error = 0;
  zip_t* archive = zip_open(folder.File("names.zip").toUtf8().constData(), ZIP_CREATE, &error);
  ASSERT_NE(archive, nullptr);
  for (const auto& c : cases)
    ASSERT_GE(zip_file_add(archive, c.stored.constData(), zip_source_buffer(archive, "x", 1, 0), c.encoding), 0);
  ASSERT_EQ(zip_close(archive), 0);

  const TZipReader reader(folder.File("names.zip"));
  ASSERT_EQ(reader.Count(), static_cast<int>(std::size(cases)));
  for (int i = 0; i < reader.Count(); ++i) EXPECT_EQ(reader.Name(i), QString::fromUtf8(cases[i].read));
}
}  // namespace
