// Picture bombs: a header that claims a huge picture is refused from the header, in Russian, naming the file.
#include <gtest/gtest.h>

#include <QImage>
#include <QtEndian>
#include <cstdint>
#include <functional>
#include <optional>

#include "platform/Bmp.h"
#include "platform/Jpeg.h"
#include "platform/PictureSize.h"
#include "support/LevelFiles.h"
#include "support/TestFolder.h"

namespace {
QByteArray Encoded(const char* format, QSize size = QSize(16, 12)) { return EncodedPicture(format, size, Qt::blue); }

QByteArray BmpClaiming(qint32 width, qint32 height) {
  QByteArray bytes = Encoded("BMP");
  qToLittleEndian<qint32>(width, bytes.data() + 18);
  qToLittleEndian<qint32>(height, bytes.data() + 22);
  return bytes;
}

std::string Refusal(const std::function<void()>& read) {
  try {
    read();
  } catch (const std::runtime_error& e) {
    return e.what();
  }
  return "(read without complaint)";
}

TEST(PictureSize, Bounds) {
  const struct {
    qint64 width, height;
    bool allowed;
  } cases[] = {{1, 1, true},         {16384, 4096, true}, {8192, 8192, true}, {16385, 10, false},   {10, 16385, false},
               {16384, 4097, false}, {0, 10, false},      {10, -1, false},    {30000, 30000, false}};
  for (const auto& c : cases)
    EXPECT_EQ(IsPictureSizeAllowed(c.width, c.height), c.allowed) << c.width << " × " << c.height;
}

TEST(PictureSize, BmpHeaderSizeReadsEveryHeaderKind) {
  QByteArray core(26, '\0');
  core[0] = 'B';
  core[1] = 'M';
  qToLittleEndian<quint32>(12, core.data() + 14);
  qToLittleEndian<quint16>(640, core.data() + 18);
  qToLittleEndian<quint16>(480, core.data() + 20);
  const struct {
    const char* name;
    QByteArray head;
    std::optional<QSize> size;
  } cases[] = {{"Qt's own", Encoded("BMP", QSize(33, 21)), QSize(33, 21)},
               {"top-down", BmpClaiming(100, -50), QSize(100, 50)},
               {"OS/2 core header", core, QSize(640, 480)},
               {"lowest height", BmpClaiming(5, INT32_MIN), QSize(5, INT32_MAX)},
               {"not a BMP", Encoded("PNG"), std::nullopt},
               {"too short", QByteArray("BM\0\0", 4), std::nullopt}};
  for (const auto& c : cases) EXPECT_EQ(BmpHeaderSize(c.head), c.size) << c.name;
}

TEST(PictureSize, BombsAreRefusedFromTheirHeaderNamingTheFile) {
  TestFolder folder;
  folder.Write("bomb.jpg", JpegClaiming(30000, 30000));
  folder.Write("bomb.bmp", BmpClaiming(30000, -30000));
  folder.Write("wide.bmp", BmpClaiming(20000, 1));
  const struct {
    const char* file;
    std::function<void()> read;
    const char* claimed;
  } cases[] = {{"bomb.jpg", [&] { DecodeJpegFile(folder.File("bomb.jpg")); }, "30000 × 30000"},
               {"bomb.bmp", [&] { ReadBmpFile(folder.File("bomb.bmp")); }, "30000 × 30000"},
               {"wide.bmp", [&] { ReadBmpFile(folder.File("wide.bmp")); }, "20000 × 1"}};
  for (const auto& c : cases) {
    const QString text = QString::fromStdString(Refusal(c.read));
    EXPECT_TRUE(text.contains(c.file) && text.contains(QString::fromUtf8(c.claimed)) && text.contains("16384"))
        << text.toStdString();
  }
}

TEST(PictureSize, PicturesWithinBoundsStillRead) {
  TestFolder folder;
  folder.Write("fine.jpg", Encoded("JPG"));
  folder.Write("fine.bmp", Encoded("BMP"));
  EXPECT_EQ(DecodeJpegFile(folder.File("fine.jpg")).size(), QSize(16, 12));
  EXPECT_EQ(ReadBmpFile(folder.File("fine.bmp")).size(), QSize(16, 12));
}

TEST(PictureSize, UnreadablePicturesAreRefusedInRussian) {
  TestFolder folder;
  folder.Write("text.jpg", "not a picture");
  folder.Write("text.bmp", "not a picture");
  const struct {
    const char* file;
    std::function<void()> read;
  } cases[] = {{"text.jpg", [&] { DecodeJpegFile(folder.File("text.jpg")); }},
               {"text.bmp", [&] { ReadBmpFile(folder.File("text.bmp")); }},
               {"absent.jpg", [&] { DecodeJpegFile(folder.File("absent.jpg")); }},
               {"absent.bmp", [&] { ReadBmpFile(folder.File("absent.bmp")); }}};
  for (const auto& c : cases) {
    const QString text = QString::fromStdString(Refusal(c.read));
    EXPECT_TRUE(text.startsWith("Картинку") && text.contains(c.file)) << text.toStdString();
  }
}
}  // namespace
