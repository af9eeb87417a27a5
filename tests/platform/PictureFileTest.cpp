// The photos players really have, through the one picture reader: sizes, formats, turns and the reasons for refusal.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <functional>
#include <optional>

#include "platform/PictureFile.h"
#include "platform/PictureRefusal.h"
#include "support/LevelFiles.h"
#include "support/PhotoFiles.h"
#include "support/TestFolder.h"

namespace {
const QSize kLevel(800, 800);

enum class TQuarter { TopLeft, TopRight, BottomLeft, BottomRight };

// Where the mark lies in the picture as read, judged at the middle of each quarter.
std::optional<TQuarter> MarkAt(const QImage& picture) {
  std::optional<TQuarter> found;
  const struct {
    TQuarter quarter;
    double x, y;
  } quarters[] = {{TQuarter::TopLeft, 0.25, 0.25},
                  {TQuarter::TopRight, 0.75, 0.25},
                  {TQuarter::BottomLeft, 0.25, 0.75},
                  {TQuarter::BottomRight, 0.75, 0.75}};
  for (const auto& q : quarters) {
    const QColor c = picture.pixelColor(int(picture.width() * q.x), int(picture.height() * q.y));
    const bool mark = c.red() > 160 && c.blue()<90, field = c.blue()> 160 && c.red() < 90;
    if (!mark && !field) return std::nullopt;
    if (mark) {
      if (found) return std::nullopt;
      found = q.quarter;
    }
  }
  return found;
}

QByteArray Encoded(const QImage& picture, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  picture.save(&buffer, format);
  return bytes;
}

QByteArray JpegBytes(const TestFolder& folder, const TJpegPlan& plan) {
  WriteJpeg(folder.File("source.jpg"), plan);
  QFile file(folder.File("source.jpg"));
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

// A JPEG whose first Huffman table counts more codes than a table can hold.
QByteArray WithBrokenHuffmanTable(QByteArray jpeg) {
  const qsizetype table = jpeg.indexOf("\xFF\xC4");
  for (qsizetype i = table + 5; i < table + 21; ++i) jpeg[i] = char(0xFF);
  return jpeg;
}

std::function<QByteArray(const TestFolder&)> Given(const QByteArray& bytes) {
  return [bytes](const TestFolder&) { return bytes; };
}

struct PhotoCase {
  const char* name;
  QString file;
  std::function<QByteArray(const TestFolder&)> bytes;
  QSize atLeast = kLevel;
  QSize smallest;
  // Read: its size and where the mark lies; refused: why.
  QSize size;
  std::optional<TQuarter> mark;
  std::optional<TPictureFault> fault = std::nullopt;
};

void Check(const PhotoCase& c, const TestFolder& folder) {
  SCOPED_TRACE(c.name);
  folder.Write(c.file, c.bytes(folder));
  try {
    const QImage picture = LoadPicture(folder.File(c.file), c.atLeast, c.smallest);
    ASSERT_FALSE(c.fault) << "read without complaint";
    EXPECT_EQ(picture.size(), c.size);
    EXPECT_EQ(MarkAt(picture), c.mark);
  } catch (const TPictureRefusal& refusal) {
    const QString text = QString::fromStdString(refusal.what());
    ASSERT_TRUE(c.fault) << text.toStdString();
    EXPECT_EQ(refusal.Fault(), *c.fault) << text.toStdString();
    EXPECT_TRUE(text.startsWith("Картинку «" + folder.File(c.file) + "» нельзя показать: ")) << text.toStdString();
  }
}

TEST(PictureFile, EveryFormatReadsUprightOrSaysWhyNot) {
  TestFolder folder;
  const auto jpeg = [](TJpegPlan plan) { return [plan](const TestFolder& f) { return JpegBytes(f, plan); }; };
  const auto encoded = [](QSize size, const char* format) {
    return [=](const TestFolder&) { return Encoded(MarkedPicture(size), format); };
  };
  const auto damaged = [](const TestFolder& f) { return WithBrokenHuffmanTable(JpegBytes(f, {{640, 480}})); };
  const auto truncated = [](const TestFolder& f) { return JpegBytes(f, {{640, 480}}).chopped(400); };
  // clang-format off
  const PhotoCase cases[] = {
      // 1600 × 1200 at 6/8 is the smallest scale keeping 800 on the short side.
      {"progressive", "p.jpg", jpeg({{1600, 1200}, true}), kLevel, {}, {1200, 900}, TQuarter::TopLeft},
      {"full size asked", "f.jpg", jpeg({{1600, 1200}}), QSize(), {}, {1600, 1200}, TQuarter::TopLeft},
      {"CMYK", "cmyk.jpg", jpeg({{640, 480}, false, true}), kLevel, {}, {640, 480}, TQuarter::TopLeft},
      {"EXIF turned right", "r.jpg", jpeg({{1200, 900}, false, false, 6}), kLevel, {}, {900, 1200}, TQuarter::TopRight},
      {"EXIF upside down", "u.jpg", jpeg({{640, 480}, false, false, 3}), kLevel, {}, {640, 480}, TQuarter::BottomRight},
      {"EXIF mirrored", "m.jpg", jpeg({{640, 480}, false, false, 2}), kLevel, {}, {640, 480}, TQuarter::TopRight},
      {"WebP, EXIF turned left", "w.webp", Given(WebpWithExif({300, 200}, 8)), kLevel, {}, {200, 300},
       TQuarter::BottomLeft},
      {"TIFF turned right", "t.tiff", Given(TiffTurned({300, 200}, 6)), kLevel, {}, {200, 300}, TQuarter::TopRight},
      {"PNG", "p.png", encoded({400, 300}, "PNG"), kLevel, {}, {400, 300}, TQuarter::TopLeft},
      {"BMP", "b.bmp", encoded({400, 300}, "BMP"), kLevel, {}, {400, 300}, TQuarter::TopLeft},
      {"a JPEG named .png", "j.png", jpeg({{640, 480}}), kLevel, {}, {640, 480}, TQuarter::TopLeft},
      {"damaged", "d.jpg", damaged, kLevel, {}, {}, {}, TPictureFault::Damaged},
      {"truncated", "cut.jpg", truncated, kLevel, {}, {}, {}, TPictureFault::Incomplete},
      {"a text file named .jpg", "text.jpg", Given("Привет, это не картинка"), kLevel, {}, {}, {},
       TPictureFault::Damaged},
      {"an empty .jpg", "empty.jpg", Given(""), kLevel, {}, {}, {}, TPictureFault::Damaged},
      {"a format no reader knows", "doc.pdf", Given("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n"), kLevel, {}, {}, {},
       TPictureFault::Unsupported},
      {"a header claiming 30000 × 30000", "bomb.jpg", Given(JpegClaiming(30000, 30000)), kLevel, {}, {}, {},
       TPictureFault::TooLarge},
      {"smaller than asked for", "tiny.png", encoded({120, 90}, "PNG"), kLevel, {200, 200}, {}, {},
       TPictureFault::TooSmall},
      {"smallest allowed", "s.png", encoded({300, 200}, "PNG"), kLevel, {200, 200}, {300, 200}, TQuarter::TopLeft},
  };
  // clang-format on
  for (const PhotoCase& c : cases) Check(c, folder);
}

TEST(PictureFile, HeicReadsUprightAndACutOneIsRefused) {
  const QByteArray heic = HeicTurned({320, 240}, 6);
  // The project's packages bring libheif's HEVC encoder, so a photo from a phone can be made here.
  ASSERT_FALSE(heic.isEmpty()) << "libheif could not encode a HEIC photo";
  TestFolder folder;
  const PhotoCase cases[] = {
      {"HEIC turned right", "photo.heic", Given(heic), kLevel, {}, {240, 320}, TQuarter::TopRight},
      {"HEIC named .jpg", "photo.jpg", Given(heic), kLevel, {}, {240, 320}, TQuarter::TopRight},
      {"HEIC cut short", "cut.heic", Given(heic.left(heic.size() / 2)), kLevel, {}, {}, {}, TPictureFault::Incomplete},
  };
  for (const PhotoCase& c : cases) Check(c, folder);
}

TEST(PictureFile, RefusalsNameTheirReasonEachItsOwn) {
  TestFolder folder;
  folder.Write("bomb.jpg", JpegClaiming(30000, 30000));
  folder.Write("tiny.png", Encoded(MarkedPicture({120, 90}), "PNG"));
  folder.Write("text.jpg", "не картинка");
  folder.Write("doc.pdf", "%PDF-1.4\n");
  WriteJpeg(folder.File("whole.jpg"), {{640, 480}});
  QFile whole(folder.File("whole.jpg"));
  whole.open(QIODevice::ReadOnly);
  folder.Write("cut.jpg", whole.readAll().chopped(400));
  const auto reason = [&](const QString& file, QSize smallest = QSize()) {
    try {
      LoadPicture(folder.File(file), kLevel, smallest);
    } catch (const TPictureRefusal& refusal) {
      return refusal.Reason();
    }
    return QString("(read)");
  };
  const struct {
    QString text;
    const char* says;
  } cases[] = {{reason("bomb.jpg"), "не больше 16384 точек по стороне"},
               {reason("tiny.png", {200, 200}), "120 × 90 точек слишком мала, нужно хотя бы 200 × 200"},
               {reason("text.jpg"), "повреждён"},
               {reason("cut.jpg"), "неполон"},
               {reason("doc.pdf"), "формат игра не читает"},
               {reason("absent.jpg"), "не открывается"}};
  for (const auto& c : cases) EXPECT_TRUE(c.text.contains(QString::fromUtf8(c.says))) << c.text.toStdString();
}

// Phones' 48, 108 and 200 megapixel photos: libjpeg scales them down as it reads, to what a level needs and no less.
TEST(PictureFile, LargePhotosAreScaledDownAsTheyAreRead) {
  TestFolder folder;
  const struct {
    const char* name;
    QSize size;
    QSize read;
  } cases[] = {{"48 MP", {8000, 6000}, {2000, 1500}},
               {"108 MP", {12000, 9000}, {1500, 1125}},
               {"200 MP", {16320, 12240}, {2040, 1530}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteJpeg(folder.File("large.jpg"), {c.size});
    const QImage picture = LoadPicture(folder.File("large.jpg"), kLevel);
    EXPECT_EQ(picture.size(), c.read);
    EXPECT_EQ(MarkAt(picture), TQuarter::TopLeft);
  }
}

TEST(PictureFile, SuffixesNameEveryFormatItReads) {
  const QStringList suffixes = PictureFileSuffixes();
  for (const char* suffix : {"jpg", "jpeg", "png", "bmp", "webp", "tif", "tiff", "heic", "heif"})
    EXPECT_TRUE(suffixes.contains(suffix)) << suffix;
}
}  // namespace
