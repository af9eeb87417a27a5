// Reading and writing level data files.
#include "engine/level/LevelData.h"

#include <QFile>

#include "platform/BinaryStream.h"

namespace {
// Fixed part of a piece record; its outline text adds at least a 4-byte count.
constexpr qsizetype kRecordFixedSize = 86;
constexpr qsizetype kRecordMinSize = kRecordFixedSize + 4;

TFloatRect ReadRect(TBinaryReader& in) {
  TFloatRect r;
  r.Left = in.ReadFloat32();
  r.Top = in.ReadFloat32();
  r.Right = in.ReadFloat32();
  r.Bottom = in.ReadFloat32();
  return r;
}

void WriteRect(TBinaryWriter& out, const TFloatRect& r) {
  out.WriteFloat32(r.Left);
  out.WriteFloat32(r.Top);
  out.WriteFloat32(r.Right);
  out.WriteFloat32(r.Bottom);
}

void ReadRecord(TBinaryReader& in, TPicClip& p) {
  p.row = in.ReadInt32();
  p.col = in.ReadInt32();
  p.Width = in.ReadUInt16();
  p.Height = in.ReadUInt16();
  p.Top = in.ReadUInt16();
  p.Left = in.ReadUInt16();
  p.SpeedRotation = in.ReadInt32();
  p.AngleRotation = in.ReadInt32();
  p.DistanceMoving = in.ReadInt32();
  p.Angle = in.ReadExt80();
  p.Loc_bkg = ReadRect(in);
  p.Loc_list = ReadRect(in);
  p.IdLeft = in.ReadUInt16();
  p.IdRight = in.ReadUInt16();
  p.IdUp = in.ReadUInt16();
  p.IdDown = in.ReadUInt16();
  p.IndexAttach = in.ReadInt32();
  p.Index = in.ReadInt32();
  p.ID = in.ReadString();
}

void WriteRecord(TBinaryWriter& out, const TPicClip& p) {
  out.WriteInt32(p.row);
  out.WriteInt32(p.col);
  out.WriteUInt16(p.Width);
  out.WriteUInt16(p.Height);
  out.WriteUInt16(p.Top);
  out.WriteUInt16(p.Left);
  out.WriteInt32(p.SpeedRotation);
  out.WriteInt32(p.AngleRotation);
  out.WriteInt32(p.DistanceMoving);
  out.WriteExt80(p.Angle);
  WriteRect(out, p.Loc_bkg);
  WriteRect(out, p.Loc_list);
  out.WriteUInt16(p.IdLeft);
  out.WriteUInt16(p.IdRight);
  out.WriteUInt16(p.IdUp);
  out.WriteUInt16(p.IdDown);
  out.WriteInt32(p.IndexAttach);
  out.WriteInt32(p.Index);
  out.WriteString(p.ID);
}
}  // namespace

TLevelData ParseLevelData(const QByteArray& bytes) {
  TBinaryReader in(bytes);
  TLevelData data;
  data.PicLayer_Index = in.ReadInt32();
  data.timeint = in.ReadInt32();
  data.IdStep = in.ReadInt32();
  data.ParentWidth = in.ReadInt32();
  data.ParentHeight = in.ReadInt32();
  data.dr = in.ReadInt32();
  data.da = in.ReadInt32();
  in.ReadInt32();  // reserved
  data.msg = in.ReadString();
  for (int i = 0; i < 4; ++i) in.ReadInt32();  // reserved
  in.ReadString();                             // reserved
  in.ReadString();                             // reserved
  const qsizetype at = in.Position();
  const std::int32_t count = in.ReadInt32();
  // Checked before anything is allocated, so a damaged count cannot ask for gigabytes.
  if (count < 0 || count > in.Remaining() / kRecordMinSize)
    throw TBinaryFormatError(QString("число деталей %1 (байт %2) невозможно: после него осталось %3 байт")
                                 .arg(count)
                                 .arg(at)
                                 .arg(in.Remaining())
                                 .toStdString());
  data.Pic.resize(count);
  for (TPicClip& piece : data.Pic) ReadRecord(in, piece);
  return data;
}

TLevelData ReadLevelData(const QString& fileName) {
  QFile file(fileName);
  if (!file.exists()) throw TLevelError(QString("Нет файла данных уровня «%1».").arg(fileName));
  if (!file.open(QIODevice::ReadOnly))
    throw TLevelError(QString("Не удаётся прочитать файл данных уровня «%1»: %2.").arg(fileName, file.errorString()));
  try {
    return ParseLevelData(file.readAll());
  } catch (const TBinaryFormatError& e) {
    throw TLevelError(
        QString("Файл данных уровня «%1» повреждён: %2.").arg(fileName, QString::fromStdString(e.what())));
  }
}

QByteArray LevelDataBytes(const TLevelData& data) {
  TBinaryWriter out;
  out.WriteInt32(data.PicLayer_Index);
  out.WriteInt32(data.timeint);
  out.WriteInt32(data.IdStep);
  out.WriteInt32(data.ParentWidth);
  out.WriteInt32(data.ParentHeight);
  out.WriteInt32(data.dr);
  out.WriteInt32(data.da);
  out.WriteInt32(0);
  out.WriteString(data.msg);
  for (int i = 0; i < 4; ++i) out.WriteInt32(0);
  out.WriteString(QString());
  out.WriteString(QString());
  out.WriteInt32(static_cast<std::int32_t>(data.Pic.size()));
  for (const TPicClip& piece : data.Pic) WriteRecord(out, piece);
  return out.Bytes();
}

void WriteLevelData(const QString& fileName, const TLevelData& data) {
  WriteFileAtomically(fileName, LevelDataBytes(data));
}
