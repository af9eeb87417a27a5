// The free puzzle's file: little-endian fields through QDataStream, every count checked against the bytes left.
#include "free/saves/FreeSaveFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QImageReader>
#include <QImageWriter>
#include <cmath>

#include "free/saves/FreeThumbnail.h"

namespace {
const QByteArray kMagic("KAVRFREE");
// A piece takes its group (4 bytes) and its group's place (3 doubles); a stacking entry 4 more.
constexpr qsizetype kBytesPerPiece = 4 + 3 * 8;
// No picture path the game writes comes near this.
constexpr int kLongestPath = 64 * 1024;

void Prepare(QDataStream& stream) {
  stream.setVersion(QDataStream::Qt_6_0);
  stream.setByteOrder(QDataStream::LittleEndian);
  stream.setFloatingPointPrecision(QDataStream::DoublePrecision);
}

QByteArray ThumbnailBytes(const QImage& thumbnail) {
  if (thumbnail.isNull()) return {};
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "png");
  // Written at every move: zlib's fastest level (Qt's PNG quality 80), a third of the raw size in a millisecond or
  // two. PNG rather than JPEG because Qt decodes it without a plugin.
  writer.setQuality(80);
  writer.write(thumbnail);
  return bytes;
}

[[noreturn]] void Damaged(const QString& why) {
  throw TFreeError(QString("Файл пазла повреждён: %1.").arg(why).toStdString());
}

class TFreeSaveReader {
 public:
  explicit TFreeSaveReader(const QByteArray& bytes) : bytes_(bytes), stream_(bytes) { Prepare(stream_); }

  qint32 Int() { return Read<qint32>(); }
  quint32 UInt() { return Read<quint32>(); }
  bool Bool() {
    const quint8 value = Read<quint8>();
    if (value > 1) Damaged("вместо «да» или «нет» другое число");
    return value == 1;
  }
  double Double() { return Read<double>(); }
  qint64 Int64() { return Read<qint64>(); }
  // A count of items of `size` bytes each, no more than the bytes left can hold nor than `most`.
  int Count(qsizetype size, int most, const char* what) {
    const qint32 count = Int();
    if (count < 0 || count > most) Damaged(QString("невозможное число: %1 (%2)").arg(count).arg(what));
    if (count * size > Remaining()) CutShort();
    return count;
  }
  QByteArray Bytes(int count) {
    QByteArray bytes(count, Qt::Uninitialized);
    if (stream_.readRawData(bytes.data(), count) != count) CutShort();
    return bytes;
  }
  qsizetype Remaining() const { return bytes_.size() - stream_.device()->pos(); }

 private:
  template <class T>
  T Read() {
    T value{};
    stream_ >> value;
    if (stream_.status() != QDataStream::Ok) CutShort();
    return value;
  }
  [[noreturn]] void CutShort() const {
    throw TFreeError(
        QString("Файл пазла обрывается (%1 байт): он записан не до конца.").arg(bytes_.size()).toStdString());
  }

  const QByteArray& bytes_;
  QDataStream stream_;
};

TFreeGrid ReadGrid(TFreeSaveReader& in) {
  TFreeGrid grid;
  grid.Columns = in.Int();
  grid.Rows = in.Int();
  const int width = in.Int(), height = in.Int();
  grid.Picture = QSize(width, height);
  // A grid never holds more than twice the most pieces a player asks for, nor a cell under the smallest side.
  const bool fits = grid.Columns > 0 && grid.Rows > 0 && grid.Columns <= 2 * kMostFreePieces &&
                    grid.Rows <= 2 * kMostFreePieces && grid.Columns * grid.Rows <= 2 * kMostFreePieces && width > 0 &&
                    height > 0 && width <= kLongestFreePicture && height <= kLongestFreePicture;
  if (!fits)
    Damaged(QString("невозможная сетка %1 × %2 на картинке %3 × %4")
                .arg(grid.Columns)
                .arg(grid.Rows)
                .arg(width)
                .arg(height));
  return grid;
}

TFreeState ReadState(TFreeSaveReader& in, int pieces) {
  TFreeState state;
  if (in.Count(kBytesPerPiece, pieces, "деталей") != pieces) Damaged("число деталей не сходится с сеткой");
  state.GroupOf.resize(pieces);
  for (int& group : state.GroupOf) {
    group = in.Int();
    if (group < 0 || group >= pieces) Damaged("деталь в несуществующей группе");
  }
  state.Places.resize(pieces);
  for (TGroupPlace& place : state.Places) {
    const double x = in.Double(), y = in.Double();
    place.Origin = QPointF(x, y);
    place.Angle = in.Double();
  }
  state.Stacking.resize(in.Count(4, pieces, "групп"));
  for (int& group : state.Stacking) {
    group = in.Int();
    if (group < 0 || group >= pieces) Damaged("несуществующая группа на столе");
  }
  return state;
}

QImage ReadThumbnail(TFreeSaveReader& in) {
  const int size = in.Count(1, std::numeric_limits<qint32>::max(), "байт миниатюры");
  if (size == 0) return {};
  QByteArray bytes = in.Bytes(size);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "png");
  reader.setDecideFormatFromContent(false);
  const QSize side = reader.size();
  if (!side.isValid() || side.width() > kFreeThumbnailSide || side.height() > kFreeThumbnailSide)
    Damaged("миниатюра не того размера");
  QImage thumbnail = reader.read();
  if (thumbnail.isNull()) Damaged("миниатюра не читается");
  return thumbnail;
}
}  // namespace

QByteArray FreeSaveBytes(const TFreeSave& save) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  Prepare(out);
  out.writeRawData(kMagic.constData(), kMagic.size());
  out << qint32(kFreeSaveVersion);
  const QByteArray picture = save.Origin.Picture.toUtf8();
  out << qint32(picture.size());
  out.writeRawData(picture.constData(), picture.size());
  out << qint32(save.Origin.Pieces) << quint8(save.Origin.Turned) << quint32(save.Origin.Seed);
  out << qint32(save.Grid.Columns) << qint32(save.Grid.Rows) << qint32(save.Grid.Picture.width())
      << qint32(save.Grid.Picture.height());
  out << qint32(save.Seconds) << quint8(save.Finished) << qint64(save.Saved.toMSecsSinceEpoch());
  out << qint32(save.State.GroupOf.size());
  for (int group : save.State.GroupOf) out << qint32(group);
  for (const TGroupPlace& place : save.State.Places) out << place.Origin.x() << place.Origin.y() << place.Angle;
  out << qint32(save.State.Stacking.size());
  for (int group : save.State.Stacking) out << qint32(group);
  const QByteArray thumbnail = ThumbnailBytes(save.Thumbnail);
  out << qint32(thumbnail.size());
  out.writeRawData(thumbnail.constData(), thumbnail.size());
  return bytes;
}

bool LooksLikeFreeSave(const QByteArray& head) { return head.startsWith(kMagic); }

TFreeSave ParseFreeSave(const QByteArray& bytes) {
  if (!LooksLikeFreeSave(bytes)) throw TFreeError("Это не файл пазла.");
  TFreeSaveReader in(bytes);
  in.Bytes(kMagic.size());
  const qint32 version = in.Int();
  if (version > kFreeSaveVersion)
    throw TFreeError(QString("Пазл сохранён более новой версией игры (формат %1, эта версия читает формат %2).")
                         .arg(version)
                         .arg(kFreeSaveVersion)
                         .toStdString());
  if (version < 1) Damaged(QString("неизвестный формат %1").arg(version));
  TFreeSave save;
  save.Origin.Picture = QString::fromUtf8(in.Bytes(in.Count(1, kLongestPath, "байт имени картинки")));
  if (save.Origin.Picture.isEmpty()) Damaged("нет имени картинки");
  save.Origin.Pieces = in.Int();
  if (save.Origin.Pieces < kFewestFreePieces || save.Origin.Pieces > kMostFreePieces)
    Damaged(QString("невозможное число деталей %1").arg(save.Origin.Pieces));
  save.Origin.Turned = in.Bool();
  save.Origin.Seed = in.UInt();
  save.Grid = ReadGrid(in);
  save.Seconds = in.Int();
  if (save.Seconds < 0) Damaged("отрицательное время");
  save.Finished = in.Bool();
  save.Saved = QDateTime::fromMSecsSinceEpoch(in.Int64(), Qt::UTC);
  save.State = ReadState(in, save.Grid.Columns * save.Grid.Rows);
  save.Thumbnail = ReadThumbnail(in);
  if (in.Remaining() != 0) Damaged("лишние байты в конце");
  return save;
}
