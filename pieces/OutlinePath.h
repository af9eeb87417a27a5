// Piece outline paths: parsing the Bezier path text and sampling its curves.
#pragma once

#include <QPoint>
#include <QPolygon>
#include <QString>
#include <stdexcept>
#include <vector>

// An outline that cannot be traced: a bad number, an odd count, a curve too long, or no shape at all.
class TOutlineError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

using TCurve = std::vector<QPoint>;

// Beyond this many control points a curve's binomial coefficients overflow a 32-bit float.
constexpr int kMaxCurvePoints = 132;

// Curves separated by ";" or line breaks, numbers by ","; each pair of numbers is one control point.
// Throws TOutlineError naming the curve for a number that is not an integer, an odd count or too many points.
std::vector<TCurve> ParseOutlinePath(const QString& data);

// x! multiplied up in double precision; 1 below 2.
double Factorial(int x);

// m! / ((m - i)! × i!) as a 32-bit float; throws std::overflow_error when it does not fit one.
float BinomialCoefficient(int m, int i);

// Samples farther out than this are drawn at this distance.
constexpr int kFarCoordinate = 1 << 20;

// The polyline of a Bezier curve: segments + 1 samples, from its last control point (t = 0) to its first (t = 1),
// weights and sums in 32-bit floats, rounded halves to even. C holds one coefficient per control point; a curve of
// more than kMaxCurvePoints points throws TOutlineError.
QPolygon SampleBezier(const TCurve& PT, const std::vector<float>& C, int segments);
