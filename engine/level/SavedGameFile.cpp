// Writing and reading the saved-game layout; one field list serves both directions.
#include "engine/level/SavedGameFile.h"

#include <cstdint>
#include <cstdlib>

#include "platform/BinaryStream.h"

namespace {
constexpr int kBitmapHeaderSize = 54;
constexpr int kInfoHeaderSize = 40;
constexpr std::uint16_t kBitmapType = 0x4D42;  // "BM"
// The smallest piece record: a 0 × 0 bitmap block, 16 Int32, an Ext80, two rectangles and an empty text.
constexpr qsizetype kMinPieceRecord = kBitmapHeaderSize + 16 * 4 + 10 + 2 * 16 + 4;

[[noreturn]] void Damaged(const QString& what) { throw TBinaryFormatError(what.toStdString()); }

// Field by field in file order; the same list writes from the game and reads into a saved game.
template <class Stream, class Game>
void ExchangeHeader(Stream& s, Game& g) {
  s(g.CompletePuzzle);
  s(g.GameStatus.PicLayer_Index);
  s(g.GameStatus.timeint);
  s(g.GameStatus.IdStep);
  s(g.GameStatus.Score);
  s(g.GameStatus.ParentWidth);
  s(g.GameStatus.ParentHeight);
  s(g.dr);
  s(g.da);
  s(g.GameStatus.msg);
  s(g.level);
  s(g.ColCount);
  s(g.RowCount);
  s(g.speed_movie);
  s(g.limtime);
  s(g.Pack);
  s(g.Im_bkg_Path);
  s(g.Im_bkg_Description);
}

// The piece record after its bitmap block.
template <class Stream, class Piece>
void ExchangePiece(Stream& s, Piece& p) {
  s(p.row);
  s(p.col);
  s(p.Width);
  s(p.Height);
  s(p.Top);
  s(p.Left);
  s(p.SpeedRotation);
  s(p.AngleRotation);
  s(p.DistanceMoving);
  s(p.Angle);
  s(p.Loc_bkg);
  s(p.Loc_list);
  s(p.IdLeft);
  s(p.IdRight);
  s(p.IdUp);
  s(p.IdDown);
  s(p.IndexAttach);
  s(p.Index);
  s(p.ID);
}

struct Writer {
  TBinaryWriter out;
  void operator()(int v) { out.WriteInt32(v); }
  void operator()(const QString& v) { out.WriteString(v); }
  void operator()(Ext80 v) { out.WriteExt80(v); }
  void operator()(const TFloatRect& r) {
    out.WriteFloat32(r.Left);
    out.WriteFloat32(r.Top);
    out.WriteFloat32(r.Right);
    out.WriteFloat32(r.Bottom);
  }

  void Bitmap(const TBitmap32* bmp) {
    const int w = bmp ? bmp->Width() : 0, h = bmp ? bmp->Height() : 0;
    const std::int32_t pixelBytes = w * h * 4;
    out.WriteUInt16(kBitmapType);
    out.WriteInt32(pixelBytes + kBitmapHeaderSize);
    out.WriteInt32(0);
    out.WriteInt32(kBitmapHeaderSize);
    out.WriteInt32(kInfoHeaderSize);
    out.WriteInt32(w);
    out.WriteInt32(-h);  // rows run from the top down
    out.WriteUInt16(1);
    out.WriteUInt16(32);
    out.WriteInt32(0);
    out.WriteInt32(pixelBytes);
    for (int i = 0; i < 4; ++i) out.WriteInt32(0);
    // A little-endian word 0xAARRGGBB is the bytes blue, green, red, alpha.
    for (int y = 0; y < h; ++y) {
      const TColor32* row = bmp->ScanLine(y);
      for (int x = 0; x < w; ++x) out.WriteInt32(static_cast<std::int32_t>(row[x]));
    }
  }
};

struct Reader {
  TBinaryReader in;
  void operator()(int& v) { v = in.ReadInt32(); }
  void operator()(QString& v) { v = in.ReadString(); }
  void operator()(Ext80& v) { v = in.ReadExt80(); }
  void operator()(TFloatRect& r) {
    r.Left = in.ReadFloat32();
    r.Top = in.ReadFloat32();
    r.Right = in.ReadFloat32();
    r.Bottom = in.ReadFloat32();
  }

  std::unique_ptr<TBitmap32> Bitmap() {
    const qsizetype at = in.Position();
    const std::uint16_t type = in.ReadUInt16();
    in.ReadInt32();  // file size: the writer's own bookkeeping, not needed to read
    in.ReadInt32();  // reserved
    const std::int32_t offset = in.ReadInt32();
    const std::int32_t infoSize = in.ReadInt32();
    const std::int32_t width = in.ReadInt32();
    const std::int32_t height = in.ReadInt32();
    const std::uint16_t planes = in.ReadUInt16();
    const std::uint16_t bits = in.ReadUInt16();
    const std::int32_t compression = in.ReadInt32();
    for (int i = 0; i < 5; ++i) in.ReadInt32();  // image size, resolutions, colours
    // The pixels follow the 54 bytes at once, so a header of any other form would misplace them.
    if (type != kBitmapType || planes != 1 || bits != 32 || compression != 0 || infoSize != kInfoHeaderSize ||
        offset != kBitmapHeaderSize)
      Damaged(QString("рисунок детали на байте %1 не 32-битный BMP без сжатия с заголовком в 54 байта").arg(at));
    const std::int64_t rows = std::llabs(std::int64_t{height});
    if (width < 0 || std::int64_t{width} * rows > in.Remaining() / 4)
      Damaged(QString("рисунок детали на байте %1 размером %2 × %3 не умещается в оставшиеся %4 байт")
                  .arg(at)
                  .arg(width)
                  .arg(rows)
                  .arg(in.Remaining()));
    auto bmp = std::make_unique<TBitmap32>();
    bmp->SetSize(width, static_cast<int>(rows));
    if (bmp->Width() != width || bmp->Height() != rows) {
      if (std::int64_t{width} * rows != 0) Damaged(QString("рисунок детали на байте %1 слишком велик").arg(at));
      return bmp;
    }
    // A negative height: rows from the top down; a positive one: from the bottom up.
    for (int i = 0; i < rows; ++i) {
      TColor32* row = bmp->ScanLine(height < 0 ? i : static_cast<int>(rows) - 1 - i);
      for (int x = 0; x < width; ++x) row[x] = static_cast<TColor32>(in.ReadInt32());
    }
    return bmp;
  }
};
}  // namespace

QByteArray SavedGameBytes(const TPicPuzzle& game) {
  Writer w;
  ExchangeHeader(w, game);
  w(static_cast<int>(game.Pic.size()));
  for (const TPicClip& piece : game.Pic) {
    w.Bitmap(piece.bmp.get());
    ExchangePiece(w, piece);
  }
  return w.out.Bytes();
}

TSavedGame ParseSavedGame(const QByteArray& bytes) {
  Reader r{TBinaryReader(bytes)};
  TSavedGame game;
  ExchangeHeader(r, game);
  const qsizetype at = r.in.Position();
  int count = 0;
  r(count);
  // Checked before anything is allocated, so a damaged count cannot ask for more than the file holds.
  if (count < 0 || count > r.in.Remaining() / kMinPieceRecord)
    Damaged(QString("число деталей %1 (байт %2) невозможно: после него осталось %3 байт")
                .arg(count)
                .arg(at)
                .arg(r.in.Remaining()));
  game.Pic.resize(count);
  for (TPicClip& piece : game.Pic) {
    piece.bmp = r.Bitmap();
    ExchangePiece(r, piece);
  }
  if (r.in.Remaining() != 0) Damaged(QString("после последней детали остались лишние %1 байт").arg(r.in.Remaining()));
  return game;
}
