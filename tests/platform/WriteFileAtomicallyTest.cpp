// Replacing a file whole: a write that runs out of disk leaves the old file as it was and says so.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "platform/BinaryStream.h"
#include "support/FileSizeLimit.h"
#include "support/TestFolder.h"

namespace {
QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Small writes sit in the file's buffer until the end; large ones go straight to the disk.
class FullDisk : public ::testing::TestWithParam<int> {};

TEST_P(FullDisk, KeepsTheOldFileAndThrows) {
  TestFolder folder;
  const QString path = folder.File("puz.sav");
  WriteFileAtomically(path, "old contents");
  {
    FileSizeLimit limit(100);
    ASSERT_TRUE(limit.Active());
    EXPECT_THROW(WriteFileAtomically(path, QByteArray(GetParam(), 'n')), std::runtime_error);
  }
  EXPECT_EQ(ReadFile(path), "old contents");
  EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files), QStringList({"puz.sav"}));
}

INSTANTIATE_TEST_SUITE_P(WriteFileAtomically, FullDisk, ::testing::Values(101, 6000, 100000),
                         [](const auto& info) { return std::to_string(info.param) + "Bytes"; });
}  // namespace
