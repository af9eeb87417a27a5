// The outline tracer: parsing outline paths, Bezier sampling and the stroke of each curve.
#include <gtest/gtest.h>

#include "JigsawOutlines.h"
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
      {"odd count", "200,200,600,200;1,2,3", "curve 2 has an odd count of numbers (3)"},
      {"two commas in a row", "200,,600,200", "curve 1: \"\" is not an integer"},
      {"letters", "200,200;12a,5", "curve 2: \"12a\" is not an integer"},
      {"hexadecimal", "0x10,5", "curve 1: \"0x10\" is not an integer"},
      {"beyond 32 bits", "2147483648,0", "curve 1: \"2147483648\" is not an integer"},
      {"a lone sign", "-,5", "curve 1: \"-\" is not an integer"},
      {"blanks only", "  ", "curve 1 has an odd count of numbers (1)"},
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
  const QPolygon line = SampleBezier({{200, 200}, {600, 200}}, Coefficients(1), 50);
  for (int i = 0; i <= 50; ++i) EXPECT_EQ(line[i], QPoint(600 - 8 * i, 200)) << i;
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

// Rows y0 .. y1 - 1 each hold the one span x0 .. x1 - 1, every other row nothing.
void ExpectBar(const TSpanRows& rows, int x0, int x1, int y0, int y1) {
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kPatternSize));
  for (int y = 0; y < kPatternSize; ++y) {
    const std::vector<TSpan> expected = y >= y0 && y < y1 ? std::vector<TSpan>{{x0, x1}} : std::vector<TSpan>{};
    ASSERT_EQ(rows[y], expected) << "row " << y;
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
    ASSERT_EQ(rows[y], want) << "row " << y;
  }
}

TEST(BuildTrack, ACurveBeyondThePatternIsClipped) {
  ExpectBar(Stroked("-100,400,900,400"), 0, 800, 395, 405);
  ExpectBar(Stroked("400,-300,400,-100"), 0, 0, 0, 0);
}

TEST(BuildTrack, CornersAreJoinedRound) {
  const TSpanRows corner = Stroked("200,200,600,200;600,200,600,600");
  EXPECT_EQ(corner[195].back().x1, 602);
  EXPECT_EQ(corner[196].back().x1, 604);
  EXPECT_EQ(corner[198].back().x1, 605);
  EXPECT_EQ(corner[205], (std::vector<TSpan>{{595, 605}}));
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

TEST(BuildTrack, AnEmptyCurveDrawsNothing) { EXPECT_EQ(Stroked(";;200,200,600,200;"), Stroked("200,200,600,200")); }
}  // namespace
