// Program start: the application, the three windows, then the status loop and the message loop.
#include <QApplication>
#include <QTimer>

#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "ui/BonusForm.h"
#include "ui/MainForm.h"
#include "ui/StoragePack.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  SetUpApplication();
  HoldMessages();
  Randomize();
  TMainForm mainForm;
  TBonusForm bonusForm(&mainForm);
  BonusForm = &bonusForm;
  TStoragePack storagePack(&bonusForm);
  StoragePack = &storagePack;
  // Enabled only now: the status loop also switches buttons of the bonus window.
  mainForm.daemon->start();
  mainForm.show();
  // Notices of the start-up, such as a missing sound device, come once the window is up.
  QTimer::singleShot(0, &ShowHeldMessages);
  return app.exec();
}
