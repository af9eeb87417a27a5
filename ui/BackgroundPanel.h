// A panel that paints a picture behind its children: tiled like a texture, or stretched over a soft gradient.
#pragma once

#include <QPixmap>
#include <QWidget>

class TBackgroundPanel : public QWidget {
 public:
  enum Mode { Tiled, Stretched };
  TBackgroundPanel(Mode mode, QWidget* parent = nullptr);
  void SetPicture(const QPixmap& picture);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Mode mode_;
  QPixmap picture_;
};
