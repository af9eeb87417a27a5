// The outline tracer: parsing outline paths, Bezier sampling and the stroke of each curve.
#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "OutlineFixtures.h"
#include "pieces/PixelTrack.h"

namespace {
using Curves = std::vector<TCurve>;

TEST(ParseOutlinePath, SeparatorsAndBlanks) {
  const Curves twoLines = {{{200, 200}, {600, 200}}, {{600, 200}, {600, 600}}};
  struct Case {
    const char* name;
    QString text;
    Curves curves;
  };
  const Case cases[] = {
      {"semicolon", "200,200,600,200;600,200,600,600", twoLines},
      {"line feed", "200,200,600,200\n600,200,600,600", twoLines},
      {"carriage return and line feed", "200,200,600,200\r\n600,200,600,600", twoLines},
      {"carriage return alone", "200,200,600,200\r600,200,600,600", twoLines},
      {"blanks around every number", " 200 , 200 ,\t600 , 200 ; 600, 200,600 ,600 ", twoLines},
      {"final semicolon adds no curve", "200,200,600,200;600,200,600,600;", twoLines},
      {"final line break adds no curve", "200,200,600,200;600,200,600,600\r\n", twoLines},
      {"empty entry between separators", "200,200,600,200;;600,200,600,600", {twoLines[0], {}, twoLines[1]}},
      {"leading separator", ";200,200,600,200", {{}, twoLines[0]}},
      {"final comma adds no number", "200,200,600,200,", {twoLines[0]}},
      {"signs and far coordinates", "-5,+7,1000,-2147483648", {{{-5, 7}, {1000, -2147483647 - 1}}}},
      {"nothing at all", "", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseOutlinePath(c.text), c.curves) << c.name;
}

TEST(ParseOutlinePath, BadNumbersAndCountsRaiseNamingTheCurve) {
  struct Case {
    const char* name;
    QString text;
    const char* message;
  };
  const Case cases[] = {
      {"odd count", "200,200,600,200;1,2,3", "в кривой 2 нечётное количество чисел (3)"},
      {"two commas in a row", "200,,600,200", "кривая 1: «» — не целое число"},
      {"letters", "200,200;12a,5", "кривая 2: «12a» — не целое число"},
      {"hexadecimal", "0x10,5", "кривая 1: «0x10» — не целое число"},
      {"beyond 32 bits", "2147483648,0", "кривая 1: «2147483648» — не целое число"},
      {"a lone sign", "-,5", "кривая 1: «-» — не целое число"},
      {"blanks only", "  ", "в кривой 1 нечётное количество чисел (1)"},
  };
  for (const Case& c : cases) {
    try {
      ParseOutlinePath(c.text);
      ADD_FAILURE() << c.name << ": no error";
    } catch (const TOutlineError& e) {
      EXPECT_STREQ(e.what(), c.message) << c.name;
    }
  }
}

QString CurveOfPoints(int count) {
  QStringList numbers;
  for (int i = 0; i < count; ++i) numbers << QString::number(200 + i) << "400";
  return numbers.join(',');
}

TEST(ParseOutlinePath, AtMost132ControlPointsPerCurve) {
  EXPECT_EQ(ParseOutlinePath(CurveOfPoints(kMaxCurvePoints)).at(0).size(), 132u);
  EXPECT_THROW(ParseOutlinePath("1,1;" + CurveOfPoints(kMaxCurvePoints + 1)), TOutlineError);
}

TEST(BinomialCoefficient, FactorialsInDoublesRoundedToFloat) {
  EXPECT_EQ(Factorial(-3), 1.0);
  EXPECT_EQ(Factorial(1), 1.0);
  EXPECT_EQ(Factorial(5), 120.0);
  const float cubic[] = {1, 3, 3, 1};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(BinomialCoefficient(3, i), cubic[i]);
  // The longest curve's middle coefficient still fits a float; one more control point does not.
  EXPECT_GT(BinomialCoefficient(131, 65), 1e38f);
  EXPECT_THROW(BinomialCoefficient(132, 66), std::overflow_error);
}

std::vector<float> Coefficients(int degree) {
  std::vector<float> c;
  for (int k = 0; k <= degree; ++k) c.push_back(BinomialCoefficient(degree, k));
  return c;
}

TEST(SampleBezier, RunsFromTheLastControlPointToTheFirst) {
  const TCurve cubic = {{200, 200}, {300, 100}, {500, 100}, {600, 200}};
  const QPolygon line = SampleBezier(cubic, Coefficients(3), 50);
  ASSERT_EQ(line.size(), 51);
  EXPECT_EQ(line.first(), QPoint(600, 200));
  EXPECT_EQ(line.last(), QPoint(200, 200));
  EXPECT_EQ(line[25], QPoint(400, 125));  // the middle: (200 + 3·300 + 3·500 + 600) / 8, (200 + 600 + 600 + 200) / 8
}

TEST(SampleBezier, RoundsHalvesToEven) {
  // Halfway along a line from x = 2 to x = 3 lies 2.5, which goes to the even 2; from 3 to 4, 3.5 goes to 4.
  EXPECT_EQ(SampleBezier({{2, 7}, {3, 7}}, Coefficients(1), 50)[25], QPoint(2, 7));
  EXPECT_EQ(SampleBezier({{3, 7}, {4, 7}}, Coefficients(1), 50)[25], QPoint(4, 7));
  EXPECT_EQ(SampleBezier({{-2, -7}, {-3, -7}}, Coefficients(1), 50)[25], QPoint(-2, -7));
  EXPECT_EQ(SampleBezier({{-3, 0}, {-4, 1}}, Coefficients(1), 50)[25], QPoint(-4, 0));
  EXPECT_EQ(SampleBezier({{0, 0}, {-1, 1}}, Coefficients(1), 50)[10], QPoint(-1, 1));  // -0.8 and 0.8
  const QPolygon line = SampleBezier({{200, 200}, {600, 200}}, Coefficients(1), 50);
  for (int i = 0; i <= 50; ++i) EXPECT_EQ(line[i], QPoint(600 - 8 * i, 200)) << i;
}

TEST(SampleBezier, FarSamplesStopAtTheFarDistance) {
  const QPolygon line = SampleBezier({{3 << 20, -(3 << 20)}}, Coefficients(0), 1);
  EXPECT_EQ(line[0], QPoint(kFarCoordinate, -kFarCoordinate));
}

TEST(SampleBezier, ASinglePointStaysPut) {
  const QPolygon line = SampleBezier({{321, 123}}, Coefficients(0), 50);
  for (const QPoint& p : line) EXPECT_EQ(p, QPoint(321, 123));
}

TSpanRows Stroked(const QString& outline) {
  TPixelTrack track;
  track.Create(kPatternSize, kPatternSize);
  track.PathLoadFromString(outline);
  track.BuildTrack();
  return track.Strokes;
}

std::vector<TSpan> Row(const TSpanRows& rows, int y) { return {rows.Row(y).begin(), rows.Row(y).end()}; }

// Rows y0 .. y1 - 1 each hold the one span x0 .. x1 - 1, every other row nothing.
void ExpectBar(const TSpanRows& rows, int x0, int x1, int y0, int y1) {
  ASSERT_EQ(rows.RowCount(), kPatternSize);
  for (int y = 0; y < kPatternSize; ++y) {
    const std::vector<TSpan> expected = y >= y0 && y < y1 ? std::vector<TSpan>{{x0, x1}} : std::vector<TSpan>{};
    ASSERT_EQ(Row(rows, y), expected) << "row " << y;
  }
}

// The pen covers the pixels whose centres lie within 5 pixels of the segment: rows 195..204 and columns 195..604,
// with the corners rounded off.
TEST(BuildTrack, AStraightCurveIsATenPixelBarWithRoundEnds) {
  const TSpanRows rows = Stroked("200,200,600,200");
  const std::pair<int, TSpan> expected[] = {{195, {198, 602}}, {196, {196, 604}}, {197, {196, 604}}, {198, {195, 605}},
                                            {199, {195, 605}}, {200, {195, 605}}, {201, {195, 605}}, {202, {196, 604}},
                                            {203, {196, 604}}, {204, {198, 602}}};
  for (int y = 0; y < kPatternSize; ++y) {
    std::vector<TSpan> want;
    for (const auto& [row, span] : expected)
      if (row == y) want.push_back(span);
    ASSERT_EQ(Row(rows, y), want) << "row " << y;
  }
}

TEST(BuildTrack, ACurveBeyondThePatternIsClipped) {
  ExpectBar(Stroked("-100,400,900,400"), 0, 800, 395, 405);
  ExpectBar(Stroked("400,-300,400,-100"), 0, 0, 0, 0);
}

TEST(BuildTrack, CornersAreJoinedRound) {
  const TSpanRows corner = Stroked("200,200,600,200;600,200,600,600");
  EXPECT_EQ(corner.Row(195).back().x1, 602);
  EXPECT_EQ(corner.Row(196).back().x1, 604);
  EXPECT_EQ(corner.Row(198).back().x1, 605);
  EXPECT_EQ(Row(corner, 205), (std::vector<TSpan>{{595, 605}}));
}

TEST(BuildTrack, SeparatorsAndBlanksGiveTheSameStrokes) {
  const TSpanRows reference = Stroked(RightTabOutline(680));
  QString lines = RightTabOutline(680);
  lines.replace(';', "\r\n");
  QString blanks = RightTabOutline(680);
  blanks.replace(',', " , ");
  EXPECT_EQ(Stroked(lines), reference);
  EXPECT_EQ(Stroked(blanks), reference);
}

TEST(BuildTrack, AnEmptyCurveDrawsNothingAndOnePointADot) {
  EXPECT_EQ(Stroked(";;200,200,600,200;"), Stroked("200,200,600,200"));
  const TSpanRows dot = Stroked("400,400");
  EXPECT_EQ(Row(dot, 395), (std::vector<TSpan>{{398, 402}}));
  EXPECT_EQ(Row(dot, 400), (std::vector<TSpan>{{395, 405}}));
  EXPECT_TRUE(dot.Row(394).empty());
}

double DistanceToSegment(QPointF c, QPointF a, QPointF b) {
  const QPointF d = b - a;
  const double length2 = QPointF::dotProduct(d, d);
  const double t = length2 == 0 ? 0 : std::clamp(QPointF::dotProduct(c - a, d) / length2, 0.0, 1.0);
  const QPointF q = a + t * d - c;
  return std::hypot(q.x(), q.y());
}

// Qt's raster pen (antialiasing off, round caps and joins) covers the same pixels except some at its very edge.
TEST(BuildTrack, AgreesWithQtsPenUpToItsEdge) {
  std::vector<QString> outlines = Jigsaw(3, 3, 4);
  outlines.push_back("100,130,700,610;650,120,180,400,700,700");
  for (const QString& outline : outlines) {
    QImage qt(kPatternSize, kPatternSize, QImage::Format_ARGB32);
    qt.fill(0xFFFFFFFF);
    std::vector<QPolygon> lines;
    for (const TCurve& curve : ParseOutlinePath(outline)) {
      lines.push_back(SampleBezier(curve, Coefficients(int(curve.size()) - 1), 50));
      QPainter painter(&qt);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.setPen(QPen(QColor::fromRgba(0), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      painter.drawPolyline(lines.back());
    }
    const TSpanRows ours = Stroked(outline);
    int covered = 0, differing = 0;
    for (int y = 0; y < kPatternSize; ++y) {
      for (int x = 0; x < kPatternSize; ++x) {
        const bool byQt = qt.pixel(x, y) == 0;
        const bool byUs = std::ranges::any_of(ours.Row(y), [x](const TSpan& s) { return s.x0 <= x && x < s.x1; });
        covered += byUs;
        if (byQt == byUs) continue;
        ++differing;
        double distance = 1e9;
        for (const QPolygon& line : lines)
          for (int i = 0; i + 1 < line.size(); ++i)
            distance = std::min(distance, DistanceToSegment(QPointF(x + 0.5, y + 0.5), line[i], line[i + 1]));
        ASSERT_NEAR(distance, 5.0, 0.75) << x << "," << y << (byQt ? " by Qt only" : " by us only");
      }
    }
    EXPECT_LT(differing, covered / 50) << outline.toStdString();
  }
}
}  // namespace
