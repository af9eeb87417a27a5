// A failed write is explained in Russian: the player reads what to do about it, never the system's English.
#include <gtest/gtest.h>

#include <QDir>
#include <cerrno>
#include <stdexcept>

#include "platform/BinaryStream.h"
#include "platform/WriteErrorText.h"
#include "support/FileSizeLimit.h"
#include "support/TestFolder.h"

namespace {
struct ErrorCase {
  const char* name;
  int errorNumber;
  const char* says;
};

const ErrorCase kErrors[] = {
    {"disk_full", ENOSPC, "на диске нет места"},
    {"quota_used_up", EDQUOT, "на диске нет места"},
    {"file_size_limit", EFBIG, "на диске нет места"},
    {"no_permission", EACCES, "нет прав на запись в папку"},
    {"not_permitted", EPERM, "нет прав на запись в папку"},
    {"read_only_disk", EROFS, "только для чтения"},
    {"folder_gone", ENOENT, "папки"},
    {"input_output", EIO, "ошибка ввода-вывода"},
    {"unknown", EXDEV, "ошибка записи"},
};

class WriteError : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(WriteError, IsSaidInRussian) {
  TestFolder folder;
  const QString text = WriteErrorText(folder.File("puz.sav"), GetParam().errorNumber);
  EXPECT_TRUE(text.contains(QString::fromUtf8(GetParam().says))) << text.toStdString();
  // Only the folder's own name may bring Latin letters in.
  const QString words = QString(text).remove(QDir::toNativeSeparators(folder.Path().chopped(1)));
  for (QChar c : words) EXPECT_FALSE(c.isLetter() && c.unicode() < 128) << text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, WriteError, ::testing::ValuesIn(kErrors),
                         [](const auto& info) { return std::string(info.param.name); });

// Real failures, as the save meets them.
TEST(WriteFileAtomically, SaysWhyInRussian) {
  TestFolder folder;
  auto failure = [](const QString& path, const QByteArray& bytes) {
    try {
      WriteFileAtomically(path, bytes);
    } catch (const std::runtime_error& e) {
      return QString::fromUtf8(e.what());
    }
    return QString();
  };
  const QString gone = failure(folder.File("gone/puz.sav"), "x");
  EXPECT_TRUE(gone.contains("папки") && gone.contains("gone")) << gone.toStdString();
  {
    FileSizeLimit fullDisk(100);
    ASSERT_TRUE(fullDisk.Active());
    const QString text = failure(folder.File("puz.sav"), QByteArray(6000, 'n'));
    EXPECT_TRUE(text.contains("на диске нет места")) << text.toStdString();
  }
  folder.Write("taken/puz.sav/inside", "a folder where the file should be");
  const QString taken = failure(folder.File("taken/puz.sav"), "x");
  EXPECT_FALSE(taken.isEmpty());
  EXPECT_FALSE(taken.contains("Unknown")) << taken.toStdString();
}
}  // namespace
