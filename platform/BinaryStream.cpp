// Little-endian binary reading and writing.
#include "platform/BinaryStream.h"

#include <QSaveFile>
#include <bit>
#include <cerrno>
#include <cstring>
#include <string>

#include "platform/Ext80.h"
#include "platform/WriteErrorText.h"

const std::uint8_t* TBinaryReader::Take(qsizetype count) {
  if (count > Remaining())
    throw TBinaryFormatError(QString("файл кончается на байте %1, а с байта %2 нужно ещё %3 байт")
                                 .arg(bytes_.size())
                                 .arg(pos_)
                                 .arg(count)
                                 .toStdString());
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes_.constData()) + pos_;
  pos_ += count;
  return data;
}

std::int32_t TBinaryReader::ReadInt32() {
  const std::uint8_t* p = Take(4);
  return static_cast<std::int32_t>(std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
                                   std::uint32_t{p[3]} << 24);
}

std::uint16_t TBinaryReader::ReadUInt16() {
  const std::uint8_t* p = Take(2);
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

float TBinaryReader::ReadFloat32() { return std::bit_cast<float>(static_cast<std::uint32_t>(ReadInt32())); }

long double TBinaryReader::ReadExt80() {
  TExt80Bytes bytes;
  std::memcpy(bytes.data(), Take(10), 10);
  return Ext80ToLongDouble(bytes);
}

QString TBinaryReader::ReadString() {
  const qsizetype at = pos_;
  const std::int32_t count = ReadInt32();
  if (count < 0 || count > Remaining() / 2)
    throw TBinaryFormatError(QString("текст на байте %1 объявлен длиной %2 символов, а после него осталось %3 байт")
                                 .arg(at)
                                 .arg(count)
                                 .arg(Remaining())
                                 .toStdString());
  const std::uint8_t* p = Take(qsizetype{count} * 2);
  QString text(count, Qt::Uninitialized);
  for (std::int32_t i = 0; i < count; ++i) text[i] = QChar(static_cast<char16_t>(p[2 * i] | p[2 * i + 1] << 8));
  return text;
}

void TBinaryWriter::Put(std::uint64_t value, int size) {
  for (int i = 0; i < size; ++i) bytes_.append(static_cast<char>(value >> (8 * i)));
}

void TBinaryWriter::WriteInt32(std::int32_t value) { Put(static_cast<std::uint32_t>(value), 4); }

void TBinaryWriter::WriteUInt16(int value) {
  if (value < 0 || value > 0xFFFF)
    throw std::out_of_range("value " + std::to_string(value) + " does not fit in an unsigned 16-bit field");
  Put(static_cast<std::uint64_t>(value), 2);
}

void TBinaryWriter::WriteFloat32(float value) { Put(std::bit_cast<std::uint32_t>(value), 4); }

void TBinaryWriter::WriteExt80(long double value) {
  const TExt80Bytes bytes = LongDoubleToExt80(value);
  bytes_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void TBinaryWriter::WriteString(const QString& text) {
  WriteInt32(static_cast<std::int32_t>(text.size()));
  for (QChar c : text) Put(c.unicode(), 2);
}

void WriteFileAtomically(const QString& fileName, const QByteArray& bytes) {
  QSaveFile file(fileName);
  // The flush is checked here: QSaveFile commits even when buffered bytes could not be written (a full disk).
  errno = 0;
  const bool written =
      file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit();
  const int error = errno;  // taken at once: the clean-up below may change it
  if (!written)
    throw std::runtime_error(
        QString("Не удаётся записать файл «%1»: %2").arg(fileName, WriteErrorText(fileName, error)).toStdString());
}
