// The theme and picture chooser "Темы с картинками".
#pragma once

#include <QDialog>

class TStoragePack : public QDialog {
  Q_OBJECT

 public:
  explicit TStoragePack(QWidget* parent = nullptr);
  // The chooser's result: 1 when a picture was bought and chosen, -1 otherwise.
  int Tag = -1;
};

extern TStoragePack* StoragePack;
