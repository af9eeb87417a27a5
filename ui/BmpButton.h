// A picture button: a rounded face picture (up, down, under the mouse) with the caption drawn over it.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

class TBmpButton : public QAbstractButton {
  Q_OBJECT

 public:
  explicit TBmpButton(QWidget* parent = nullptr);

  void SetFaces(const QPixmap& up, const QPixmap& down, const QPixmap& hover = QPixmap());
  // The pause and sound buttons swap their up and down faces on every use, so their state shows.
  void SwapGlyphs();
  const QPixmap& UpFace() const { return up_; }

  int Tag = 0;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPixmap up_, down_, hover_;
  bool hovered_ = false;
};
