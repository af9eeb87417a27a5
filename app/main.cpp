// Program start: the application, the three windows, then the status loop and the message loop.
#include <QApplication>
#include <QTimer>

#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "platform/QuitSignals.h"
#include "platform/Random.h"
#include "ui/BonusForm.h"
#include "ui/MainForm.h"
#include "ui/StoragePack.h"

int main(int argc, char** argv) {
  // Held from the start, so a signal during start-up is not lost and does not kill a half-made window.
  HoldQuitSignals();
  QApplication app(argc, argv);
  SetUpApplication();
  HoldMessages();
  bool quitSignalled = false;
  // Every event loop ends, modal boxes included; the level is saved once the loops have unwound.
  DeliverQuitSignals([&quitSignalled](int) {
    quitSignalled = true;
    QCoreApplication::exit(0);
  });
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
  // Pictures named on the command line ("Open with") become the player's own levels; the first starts at once.
  const QStringList pictures = app.arguments().mid(1);
  if (!pictures.isEmpty())
    QTimer::singleShot(0, &mainForm, [&mainForm, pictures] { RunReported([&] { mainForm.OpenPictures(pictures); }); });
  const int result = quitSignalled ? 0 : app.exec();
  mainForm.EndSession();
  return result;
}
