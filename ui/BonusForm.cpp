// The bonus window.
#include "ui/BonusForm.h"

TBonusForm* BonusForm = nullptr;

TBonusForm::TBonusForm(QWidget* parent) : QDialog(parent) { setModal(true); }

void TBonusForm::SetStarButtonsEnabled(bool on) {}
