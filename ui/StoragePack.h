// The theme and picture chooser "Темы с картинками".
#pragma once

#include <QDialog>

class TImage32;
class TTileBox;

class TStoragePack : public QDialog {
  Q_OBJECT

 public:
  explicit TStoragePack(QWidget* parent = nullptr);
  ~TStoragePack() override;

  // The chooser's result: 1 when a picture was bought and chosen, -1 otherwise.
  int Tag = -1;

  // Upper box: one tile per theme. Lower box: the pictures of the theme last clicked.
  TTileBox* ScrollBox = nullptr;
  TTileBox* ScrollBox1 = nullptr;

  void FormActivate();
  void FormShow();
  void ImageClick(QObject* Sender);
  void PictureClick(QObject* Sender);
  void FormClose();

  // Every way of closing ends here, and so does FormClose.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  TImage32* AddTile(TTileBox* box, const QString& name, QRect rect, const QString& id);
  void AddLabel(TTileBox* box, const QString& name, QRect rect, const QString& caption, int pointSize);
  void FreeTiles(const QString& imageName, const QString& labelName);

  bool buying_ = false;
};

extern TStoragePack* StoragePack;

// The tile data the chooser keeps on a tile: id and pack on a theme, id, pack and level on a picture for sale.
QStringList TileHint(const QObject* tile);
