// The evening landscape under the title and inside the window icon: sky, sun, mountains, a lake and pines.
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>
#include <initializer_list>

#include "tools/art/Art.h"

namespace {
constexpr double kSide = 800;     // design size of the scene
constexpr double kHorizon = 520;  // where the mountains meet the lake
constexpr double kSunX = 405, kSunY = 405;

struct TWave {
  double amplitude, wavelength, phase;
};

// A skyline through sums of sines, closed down to `floor`, with a gap of depth `dip` where the sun sets.
QPainterPath Ridge(double base, double dip, std::initializer_list<TWave> waves, double floor) {
  QPainterPath path(QPointF(-10, floor));
  for (double x = -10; x <= kSide + 10; x += 4) {
    const double d = (x - kSunX) / 120;
    double y = base + dip * qExp(-d * d);
    for (const TWave& w : waves) y -= w.amplitude * qSin(x / w.wavelength * 2 * M_PI + w.phase);
    path.lineTo(x, y);
  }
  path.lineTo(kSide + 10, floor);
  path.closeSubpath();
  return path;
}

// The same skyline bent so that it rises towards both edges, leaving the middle open for the sun.
QPainterPath Valley(double base, double rise, std::initializer_list<TWave> waves, double floor) {
  QPainterPath path(QPointF(-10, floor));
  for (double x = -10; x <= kSide + 10; x += 4) {
    const double d = (x - kSunX) / (kSide * 0.5);
    double y = base - rise * d * d;
    for (const TWave& w : waves) y -= w.amplitude * qSin(x / w.wavelength * 2 * M_PI + w.phase);
    path.lineTo(x, y);
  }
  path.lineTo(kSide + 10, floor);
  path.closeSubpath();
  return path;
}

unsigned Hash(unsigned v) {
  v = (v ^ 61) ^ (v >> 16);
  v *= 9;
  v ^= v >> 4;
  v *= 0x27d4eb2d;
  return v ^ (v >> 15);
}

void DrawSky(QPainter& p) {
  QLinearGradient sky(0, 0, 0, kHorizon);
  sky.setColorAt(0.00, QColor(22, 30, 74));
  sky.setColorAt(0.35, QColor(63, 58, 128));
  sky.setColorAt(0.62, QColor(170, 88, 140));
  sky.setColorAt(0.82, QColor(244, 140, 96));
  sky.setColorAt(1.00, QColor(255, 206, 128));
  p.fillRect(QRectF(0, 0, kSide, kHorizon + 1), sky);

  p.setPen(Qt::NoPen);
  for (unsigned i = 0; i < 90; ++i) {
    const double x = Hash(i * 3 + 1) % 800, y = Hash(i * 3 + 2) % 300;
    const double r = 0.6 + (Hash(i * 3 + 3) % 100) / 80.0;
    p.setBrush(QColor(255, 250, 230, int(200 * (1 - y / 320))));
    p.drawEllipse(QPointF(x, y), r, r);
  }
}

void DrawSun(QPainter& p) {
  const QPointF centre(kSunX, kSunY);
  QRadialGradient glow(centre, 330);
  glow.setColorAt(0.00, QColor(255, 236, 170, 230));
  glow.setColorAt(0.15, QColor(255, 200, 120, 140));
  glow.setColorAt(0.45, QColor(255, 150, 110, 40));
  glow.setColorAt(1.00, QColor(255, 150, 110, 0));
  p.fillRect(QRectF(0, 0, kSide, kHorizon), glow);
  QRadialGradient disc(centre, 52);
  disc.setColorAt(0.0, QColor(255, 252, 230));
  disc.setColorAt(0.8, QColor(255, 232, 160));
  disc.setColorAt(1.0, QColor(255, 210, 130));
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(centre, 52, 52);
}

QPainterPath FarMountains() {
  return Ridge(430, 70, {{55, 520, 0.4}, {32, 210, 1.9}, {14, 90, 0.7}, {5, 37, 2.2}}, kHorizon + 2);
}

void DrawMountains(QPainter& p) {
  QLinearGradient far(0, 330, 0, kHorizon);
  far.setColorAt(0, QColor(120, 96, 158));
  far.setColorAt(1, QColor(196, 128, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(far);
  p.drawPath(FarMountains());

  QLinearGradient near(0, 400, 0, kHorizon);
  near.setColorAt(0, QColor(62, 58, 110));
  near.setColorAt(1, QColor(96, 70, 118));
  p.setBrush(near);
  p.drawPath(Valley(505, 120, {{10, 170, 0.3}, {6, 61, 1.3}, {2.5, 23, 0.1}}, kHorizon + 2));
}

void DrawLake(QPainter& p) {
  const QRectF water(0, kHorizon, kSide, kSide - kHorizon);
  QLinearGradient g(0, kHorizon, 0, kSide);
  g.setColorAt(0.0, QColor(236, 150, 118));
  g.setColorAt(0.3, QColor(150, 90, 138));
  g.setColorAt(1.0, QColor(30, 36, 84));
  p.fillRect(water, g);

  // Mountains mirrored in the water, fainter.
  p.save();
  p.setClipRect(water, Qt::IntersectClip);
  p.translate(0, 2 * kHorizon);
  p.scale(1, -1);
  p.setOpacity(0.35);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(70, 50, 110));
  p.drawPath(FarMountains());
  p.restore();

  // The sun's glitter path: short strokes that widen towards the viewer.
  p.setPen(Qt::NoPen);
  for (unsigned i = 0; i < 70; ++i) {
    const double t = (i + 0.5) / 70;
    const double y = kHorizon + 4 + t * 150;
    const double spread = 12 + t * 70;
    const double x = kSunX + (int(Hash(i + 500) % 200) - 100) / 100.0 * spread;
    const double w = 8 + (Hash(i + 900) % 30) * (0.4 + t);
    p.setBrush(QColor(255, 228, 170, int(190 * (1 - t * 0.6))));
    p.drawRoundedRect(QRectF(x - w / 2, y, w, 2 + t * 2), 1.5, 1.5);
  }
}

void DrawPine(QPainter& p, double x, double base, double height, const QColor& colour) {
  p.setBrush(colour);
  p.drawRect(QRectF(x - height * 0.03, base - height * 0.15, height * 0.06, height * 0.15));
  for (int tier = 0; tier < 4; ++tier) {
    const double top = base - height + tier * height * 0.2;
    const double bottom = top + height * (0.34 + tier * 0.02);
    const double half = height * (0.12 + tier * 0.07);
    QPainterPath t(QPointF(x, top));
    t.quadTo(QPointF(x + half * 0.4, top + (bottom - top) * 0.6), QPointF(x + half, bottom));
    t.quadTo(QPointF(x, bottom - height * 0.04), QPointF(x - half, bottom));
    t.quadTo(QPointF(x - half * 0.4, top + (bottom - top) * 0.6), QPointF(x, top));
    p.drawPath(t);
  }
}

void DrawShores(QPainter& p) {
  p.setPen(Qt::NoPen);
  const QColor back(38, 52, 70), front(18, 30, 38);
  // Left shore with a grove, right point with a few trees.
  QPainterPath left(QPointF(-10, 800));
  left.lineTo(-10, 560);
  left.cubicTo(QPointF(120, 548), QPointF(230, 590), QPointF(330, 640));
  left.cubicTo(QPointF(420, 690), QPointF(470, 740), QPointF(520, 810));
  left.lineTo(-10, 810);
  p.setBrush(back);
  p.drawPath(left);
  const double leftTrees[][2] = {{20, 175},  {58, 140}, {92, 190}, {130, 150}, {168, 120},
                                 {205, 100}, {240, 84}, {272, 70}, {300, 58}};
  for (const auto& t : leftTrees) DrawPine(p, t[0], 574 + t[0] * 0.18, t[1], back);

  QPainterPath right(QPointF(810, 600));
  right.cubicTo(QPointF(740, 596), QPointF(690, 612), QPointF(650, 640));
  right.cubicTo(QPointF(620, 662), QPointF(640, 700), QPointF(700, 720));
  right.lineTo(810, 760);
  right.closeSubpath();
  p.setBrush(back);
  p.drawPath(right);
  const double rightTrees[][2] = {{690, 90}, {722, 120}, {752, 150}, {786, 132}};
  for (const auto& t : rightTrees) DrawPine(p, t[0], 632 - (t[0] - 690) * 0.3, t[1], back);

  // Dark foreground bank across the bottom.
  QPainterPath bank(QPointF(-10, 810));
  bank.lineTo(-10, 700);
  bank.cubicTo(QPointF(200, 690), QPointF(420, 760), QPointF(600, 745));
  bank.cubicTo(QPointF(700, 736), QPointF(760, 712), QPointF(810, 705));
  bank.lineTo(810, 810);
  bank.closeSubpath();
  p.setBrush(front);
  p.drawPath(bank);
  DrawPine(p, 34, 730, 250, front);
  DrawPine(p, 760, 740, 210, front);
  DrawPine(p, 705, 745, 130, front);
}
}  // namespace

void DrawLandscape(QPainter& painter, const QRectF& rect) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setClipRect(rect, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
  painter.translate(rect.topLeft());
  painter.scale(rect.width() / kSide, rect.height() / kSide);
  DrawSky(painter);
  DrawSun(painter);
  DrawMountains(painter);
  DrawLake(painter);
  DrawShores(painter);
  painter.restore();
}
