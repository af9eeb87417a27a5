// The bonus window "Игровые бонусы": stars buy time, a level skip or a picture; packs are downloaded here.
#pragma once

#include <QDialog>

class TBonusForm : public QDialog {
  Q_OBJECT

 public:
  explicit TBonusForm(QWidget* parent = nullptr);
  // The status loop switches the add-time, skip-level and bonus-star buttons by the step code.
  void SetStarButtonsEnabled(bool on);
};

extern TBonusForm* BonusForm;
