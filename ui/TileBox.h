// A scroll box for tiles: a background that fills the visible box and stays put, tiles scrolling over it.
#pragma once

#include <QPixmap>
#include <QScrollArea>

class TTileBox : public QScrollArea {
 public:
  enum Mode { Texture, Gradient };
  TTileBox(Mode mode, QWidget* parent = nullptr);
  void SetTexture(const QPixmap& texture);
  // Where tiles go; it grows to hold them all, so the box scrolls when they reach past its edges.
  QWidget* Tiles() const { return widget(); }
  void FitTiles();
  // Tiles scroll only up and down; this is the width they may take, the scroll bar's room kept free.
  int TileWidth() const { return width() - ScrollBarWidth(); }
  int ScrollBarWidth() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Mode mode_;
  QPixmap texture_;
};
