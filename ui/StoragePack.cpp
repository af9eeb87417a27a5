// The theme and picture chooser.
#include "ui/StoragePack.h"

TStoragePack* StoragePack = nullptr;

TStoragePack::TStoragePack(QWidget* parent) : QDialog(parent) { setModal(true); }
