// Piece outline paths: parsing and Bezier sampling.
#include "pieces/OutlinePath.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>

namespace {
// Lines end at CR, LF or CR LF; a line break at the very end starts no further line.
std::vector<QStringView> SplitLines(QStringView text) {
  std::vector<QStringView> lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.mid(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.mid(start));
  return lines;
}

// Blanks and control characters around a number do not count.
QStringView TrimControls(QStringView text) {
  while (!text.isEmpty() && text.front().unicode() <= ' ') text = text.mid(1);
  while (!text.isEmpty() && text.back().unicode() <= ' ') text.chop(1);
  return text;
}

// Decimal only, with an optional sign.
bool IsDecimal(QStringView number) {
  qsizetype i = number.size() > 1 && (number[0] == '-' || number[0] == '+') ? 1 : 0;
  if (i == number.size()) return false;
  for (; i < number.size(); ++i)
    if (number[i] < '0' || number[i] > '9') return false;
  return true;
}

int ParseNumber(QStringView entry, int curve) {
  const QStringView number = TrimControls(entry);
  bool ok = false;
  const int value = IsDecimal(number) ? number.toInt(&ok, 10) : 0;
  if (!ok) throw TOutlineError(QString("кривая %1: «%2» — не целое число").arg(curve + 1).arg(number).toStdString());
  return value;
}
}  // namespace

std::vector<TCurve> ParseOutlinePath(const QString& data) {
  QString text = data;
  text.replace(';', '\n');
  std::vector<TCurve> curves;
  const std::vector<QStringView> lines = SplitLines(text);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int curve = static_cast<int>(i);
    QString line = lines[i].toString();
    line.replace(',', '\n');
    const std::vector<QStringView> entries = SplitLines(line);
    if (entries.size() % 2 != 0)
      throw TOutlineError(
          QString("в кривой %1 нечётное количество чисел (%2)").arg(curve + 1).arg(entries.size()).toStdString());
    if (entries.size() / 2 > kMaxCurvePoints)
      throw TOutlineError(QString("в кривой %1 опорных точек %2, а можно не больше %3")
                              .arg(curve + 1)
                              .arg(entries.size() / 2)
                              .arg(kMaxCurvePoints)
                              .toStdString());
    TCurve points;
    points.reserve(entries.size() / 2);
    for (std::size_t j = 0; j < entries.size(); j += 2)
      points.emplace_back(ParseNumber(entries[j], curve), ParseNumber(entries[j + 1], curve));
    curves.push_back(std::move(points));
  }
  return curves;
}

double Factorial(int x) {
  double result = 1;
  for (int k = 2; k <= x; ++k) result *= k;
  return result;
}

float BinomialCoefficient(int m, int i) {
  const double value = Factorial(m) / (Factorial(m - i) * Factorial(i));
  if (!(value <= FLT_MAX))
    throw std::overflow_error(QString("биномиальный коэффициент C(%1, %2) не помещается в число с плавающей точкой")
                                  .arg(m)
                                  .arg(i)
                                  .toStdString());
  return static_cast<float>(value);
}

namespace {
// Powers 0 .. count - 1 of base in double precision, each one multiplication from the one before: the same products
// as multiplying base up to every exponent afresh. Exponent 0 gives 1, also for base 0.
void Powers(double base, int count, double* powers) {
  powers[0] = 1;
  for (int k = 1; k < count; ++k) powers[k] = powers[k - 1] * base;
}

// Far outside the pattern a coordinate only needs to stay far outside; the limit keeps the stroke's integer
// geometry within range.
int RoundToInt(float value) {
  if (std::isnan(value)) return kFarCoordinate;
  if (value >= float(kFarCoordinate)) return kFarCoordinate;
  if (value <= -float(kFarCoordinate)) return -kFarCoordinate;
  // Rounded as the floating point unit rounds, halves to even, without a library call per sample: between 2^23 and
  // 2^24 a float holds whole numbers only, so adding 1.5 · 2^23 rounds and taking it away again is exact.
  constexpr float kWholeNumbersOnly = 1.5f * (1 << 23);
  const float shifted = value + kWholeNumbersOnly;
  return static_cast<int>(shifted - kWholeNumbersOnly);
}
}  // namespace

QPolygon SampleBezier(const TCurve& PT, const std::vector<float>& C, int segments) {
  const int d = static_cast<int>(PT.size()) - 1;
  const float step = 1.0f / static_cast<float>(segments);
  QPolygon line(segments + 1);
  if (d >= kMaxCurvePoints)
    throw TOutlineError(QString("в кривой больше %1 опорных точек").arg(kMaxCurvePoints).toStdString());
  std::array<double, kMaxCurvePoints> fromEnd, fromStart;  // powers of 1 - t and of t, written before read
  QPoint* samples = line.data();
  for (int i = 0; i <= segments; ++i) {
    const float t = static_cast<float>(i) * step;
    Powers(1.0f - t, d + 1, fromEnd.data());
    Powers(t, d + 1, fromStart.data());
    float qx = 0, qy = 0;
    for (int k = 0; k <= d; ++k) {
      const auto weight = static_cast<float>(fromEnd[k] * C[k] * fromStart[d - k]);
      qx = static_cast<float>(qx + static_cast<double>(PT[k].x()) * weight);
      qy = static_cast<float>(qy + static_cast<double>(PT[k].y()) * weight);
    }
    samples[i] = QPoint(RoundToInt(qx), RoundToInt(qy));
  }
  return line;
}
