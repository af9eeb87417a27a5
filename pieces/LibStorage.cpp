// Bitmap helpers of the piece pipeline.
#include "pieces/LibStorage.h"

#include <QFile>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "pieces/Lanczos.h"
#include "platform/BinaryStream.h"

namespace {
std::filesystem::path FsPath(const QString& name) { return std::filesystem::path(name.toStdU16String()); }

std::runtime_error FileError(const char* what, const QString& name, const QString& reason) {
  return std::runtime_error(QString("Не удаётся %1 файл «%2»: %3").arg(what, name, reason).toStdString());
}
}  // namespace

void ScaleBmp(TBitmap32& src, int width, int height) {
  TBitmap32 result(width, height, 0xFFFFFFFF);
  result.SetDrawMode(dmBlend);
  if (!src.Empty() && !result.Empty()) {
    const int srcW = src.Width(), srcH = src.Height();
    const TResampleTaps across = LanczosTaps(srcW, width);
    const TResampleTaps down = LanczosTaps(srcH, height);
    // Horizontal pass: every source row, four channels per pixel, kept in fixed point.
    std::vector<std::int32_t> rows(static_cast<std::size_t>(srcH) * width * 4);
    for (int y = 0; y < srcH; ++y) {
      const auto* line = reinterpret_cast<const std::uint8_t*>(src.ScanLine(y));
      std::int32_t* out = rows.data() + static_cast<std::size_t>(y) * width * 4;
      for (int x = 0; x < width; ++x) {
        const std::uint8_t* samples = line + across.first[x] * 4;
        for (int c = 0; c < 4; ++c) out[x * 4 + c] = ResampleRow(across.Weights(x), across.count[x], samples + c, 4);
      }
    }
    // Vertical pass into the new bitmap; byte c of a pixel word is the same channel as in the source.
    const int rowStep = width * 4;
    for (int y = 0; y < height; ++y) {
      auto* line = reinterpret_cast<std::uint8_t*>(result.ScanLine(y));
      const std::int32_t* column = rows.data() + static_cast<std::size_t>(down.first[y]) * rowStep;
      for (int i = 0; i < width * 4; ++i) line[i] = ResampleColumn(down.Weights(y), down.count[y], column + i, rowStep);
    }
  }
  result.SetMasterAlpha(255);
  src.Assign(result);
}

std::uint8_t RgbToGray(std::uint32_t RGBColor) {
  const long double red = RGBColor & 0xFF, green = (RGBColor >> 8) & 0xFF, blue = (RGBColor >> 16) & 0xFF;
  // nearbyint rounds halves to even in the default rounding mode.
  return static_cast<std::uint8_t>(std::nearbyint(0.3L * red + 0.59L * green + 0.11L * blue));
}

std::uint32_t RGBtoColor(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
  return static_cast<std::uint32_t>(B) << 16 | static_cast<std::uint32_t>(G) << 8 | R;
}

void CombineBmp(const TBitmap32& mask, TBitmap32& source) {
  if (mask.Width() < source.Width() || mask.Height() < source.Height())
    throw std::invalid_argument("CombineBmp: маска меньше картинки");
  const int width = source.Width(), height = source.Height();
  for (int i = 0; i < height; ++i) {
    const TColor32* maskLine = mask.ScanLine(i);
    TColor32* line = source.ScanLine(i);
    for (int j = 0; j < width; ++j)
      if (!IsShapePixel(maskLine[j])) line[j] &= 0x00FFFFFF;
  }
  source.Changed();
}

void FileCopy(const QString& SourceFileName, const QString& TargetFileName) {
  QFile source(SourceFileName);
  if (!source.open(QIODevice::ReadOnly)) throw FileError("открыть", SourceFileName, source.errorString());
  const QByteArray bytes = source.readAll();
  if (source.error() != QFileDevice::NoError) throw FileError("прочитать", SourceFileName, source.errorString());
  WriteFileAtomically(TargetFileName, bytes);
  std::error_code error;
  const auto time = std::filesystem::last_write_time(FsPath(SourceFileName), error);
  if (!error) std::filesystem::last_write_time(FsPath(TargetFileName), time, error);
  if (error) throw FileError("поставить дату на", TargetFileName, QString::fromStdString(error.message()));
}
