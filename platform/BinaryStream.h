// Little-endian reading and writing of the kinds the game's binary files are made of.
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <stdexcept>

// A file that ends early or holds an impossible count; the text says at which byte.
class TBinaryFormatError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Reads from bytes already in memory; every read checks that the bytes are there.
class TBinaryReader {
 public:
  explicit TBinaryReader(QByteArray bytes) : bytes_(std::move(bytes)) {}

  std::int32_t ReadInt32();
  std::uint16_t ReadUInt16();
  float ReadFloat32();
  long double ReadExt80();
  // An Int32 count of UTF-16 code units, then the units; a negative count or one past the end is an error.
  QString ReadString();

  qsizetype Position() const { return pos_; }
  qsizetype Remaining() const { return bytes_.size() - pos_; }

 private:
  const std::uint8_t* Take(qsizetype count);

  QByteArray bytes_;
  qsizetype pos_ = 0;
};

// Collects bytes in memory; the caller writes them out in one go.
class TBinaryWriter {
 public:
  void WriteInt32(std::int32_t value);
  // Throws std::out_of_range for a value outside 0..65535 rather than store a different number.
  void WriteUInt16(int value);
  void WriteFloat32(float value);
  void WriteExt80(long double value);
  void WriteString(const QString& text);

  const QByteArray& Bytes() const { return bytes_; }

 private:
  void Put(std::uint64_t value, int size);

  QByteArray bytes_;
};

// Replaces the file with the bytes in one step, so a failure leaves the old file whole. Throws naming the file.
void WriteFileAtomically(const QString& fileName, const QByteArray& bytes);
