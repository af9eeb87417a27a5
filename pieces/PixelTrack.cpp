// The outline tracer: parsing and stroking the outline's curves.
#include "pieces/PixelTrack.h"

thread_local TPixelTrack TrackPixel;

void TPixelTrack::Create(int width, int height) {
  Abmp.Width = Abmp.Height = 0;
  Abmp.Rows.Clear();
  Awidth = width;
  Aheight = height;
  PointCount = -1;
  PointAproxCount = 50;
  penWidth = 10;
  buf.Reset();
  Strokes.Clear();
  Inside.Clear();
}

void TPixelTrack::PathLoadFromString(const QString& data) { TrackCurv = ParseOutlinePath(data); }

void TPixelTrack::BuildTrack() {
  for (const TCurve& curve : TrackCurv) {
    PT = curve;
    PointCount = static_cast<int>(PT.size()) - 1;
    SetBinomialCoefficient();
    PT.clear();
  }
  buf.TakeStrokes(Aheight, Strokes);
}

void TPixelTrack::SetBinomialCoefficient() {
  C.resize(PT.size());
  for (int k = 0; k <= PointCount; ++k) C[k] = GetBinomialCoefficient(PointCount, k);
  Redraw();
}

void TPixelTrack::Redraw() { DrawBezier(buf, PointAproxCount); }

// A curve without points draws nothing.
void TPixelTrack::DrawBezier(TStrokeCanvas& Canvas, int ApproximityPointCount) {
  if (PT.empty()) return;
  Canvas.Stroke(SampleBezier(PT, C, ApproximityPointCount), penWidth, QRect(0, 0, Awidth, Aheight));
}

void TPixelTrack::Destroy() {
  Abmp.Width = Abmp.Height = 0;
  Abmp.Rows.Clear();
  TrackCurv.clear();
  PT.clear();
  C.clear();
  buf.Reset();
  Strokes.Clear();
  Inside.Clear();
}
