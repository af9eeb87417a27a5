// The small geometry types of pieces: float points and rectangles in picture or control pixels.
#pragma once

struct TFloatPoint {
  float X = 0;
  float Y = 0;
};

struct TFloatRect {
  float Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool IsZero() const { return Left == 0 && Top == 0 && Right == 0 && Bottom == 0; }
};
