// The piece counts a free puzzle offers for a picture, each told as the grid and the piece size it gives.
#pragma once

#include <QSize>
#include <QString>
#include <vector>

struct TPieceCountChoice {
  int Pieces = 0;  // as asked of the grid
  int Columns = 0, Rows = 0;
  int PieceSide = 0;  // of a cell, in the kept picture's pixels
  QString Text;       // "48 деталей: 8 × 6, деталь 250 точек"
};

// The counts from 12 to 1,000 that the picture can hold, smallest first; none when it is too small for any.
std::vector<TPieceCountChoice> PieceCountChoices(QSize picture);

// "1 деталь", "24 детали", "48 деталей": the count with the word that agrees with it.
QString CountText(int count, const char* one, const char* few, const char* many);
QString PiecesText(int pieces);
