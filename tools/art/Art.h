// The game's pictures, drawn with QPainter so that every resource picture can be regenerated from source.
#pragma once

#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>

class QPainter;

// Board picture shown before the first level: a landscape cut into pieces under the title.
QImage DrawTitlePicture();
// Message panel background: light parchment, so bold black text stays readable.
QImage DrawMessagePanel();
// Window background: light oak planks that tile seamlessly.
QImage DrawWoodTexture();
// Hint marker: an arrow whose tip is the top-left corner, on a white ground that the game keys out.
QImage DrawHintMarker();

enum class TFaceColour { Grey, Yellow };
// Picture-button face without caption; the window draws the caption over it.
QImage DrawButtonFace(TFaceColour colour, bool down);
// Gold star that marks the score.
QImage DrawStar(int size);
// Round icon of a turning button: a curved arrow and the step in degrees.
QImage DrawTurnIcon(bool counterClockwise, int degrees);
// Window icon: one piece of the landscape.
QImage DrawWindowIcon(int size);

// Shared drawing helpers.
// The landscape (sky, sun, mountains, lake, pines) scaled into the rectangle.
void DrawLandscape(QPainter& painter, const QRectF& rect);
// Appends the edge from the path's current point `from` to `to`; tab 1 bulges to the left of the direction of
// travel (outwards for a clockwise outline), -1 to the right, 0 keeps the edge straight.
void AddJigsawEdge(QPainterPath& path, QPointF from, QPointF to, int tab);
// Clockwise outline of the piece in `cell`; each side's tab as in AddJigsawEdge.
QPainterPath JigsawPiecePath(const QRectF& cell, int top, int right, int bottom, int left);
// Seamless value noise in [0, 1]; x and y are in lattice cells, and the lattice repeats every period cells.
double TileableNoise(double x, double y, int periodX, int periodY, unsigned seed);
// A soft blur, by scaling down and up again.
QImage SoftBlur(const QImage& image, int factor);
