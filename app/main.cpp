// Program start: the application, the three windows, then the status loop and the message loop; or, asked for
// with --pieces, a free puzzle of one picture in its own window.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <random>

#include "free/puzzle/FreeCut.h"
#include "free/windows/FreeGames.h"
#include "platform/Application.h"
#include "platform/MessageBox.h"
#include "platform/QuitSignals.h"
#include "platform/Random.h"
#include "ui/BonusForm.h"
#include "ui/MainForm.h"
#include "ui/StoragePack.h"

namespace {
// A free puzzle is a game of its own: none of the level game's windows, packs or saved game are touched.
int PlayFreePuzzle(const QString& picture, const QString& pieces, bool turned, const bool& quitSignalled) {
  // A count that is not a number is as far outside the allowed counts as any.
  bool number = false;
  const int count = pieces.toInt(&number);
  std::mt19937 random(static_cast<std::uint32_t>(Random(0x7FFFFFFF)));
  TFreeGames games;
  if (!games.Start(NewFreeOrigin(picture, number ? count : 0, turned, random), true)) return 1;
  const int result = quitSignalled ? 0 : QApplication::exec();
  const TUnattendedMessages unattended;  // the session is ending the game: nobody answers a box now
  games.SaveAll();
  return result;
}
}  // namespace

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
  QCommandLineParser parser;
  const QCommandLineOption piecesOption("pieces", "Свободная сборка картинки примерно из N деталей.", "N");
  const QCommandLineOption turnOption("turn", "Детали свободной сборки лежат повёрнутыми.");
  parser.addOptions({piecesOption, turnOption});
  parser.addPositionalArgument("картинки", "Картинки, которые станут своими уровнями, или картинка свободной сборки.");
  // Anything the parser does not know is a picture's name, as before there were options.
  const bool parsed = parser.parse(app.arguments());
  if (parsed && parser.isSet(piecesOption)) {
    ShowHeldMessages();
    if (parser.positionalArguments().size() != 1) {
      ShowMessageBox("Для свободной сборки назовите одну картинку: puzzle --pieces N КАРТИНКА", "Свободная сборка",
                     TMsgIcon::Error);
      return 1;
    }
    return PlayFreePuzzle(parser.positionalArguments().front(), parser.value(piecesOption), parser.isSet(turnOption),
                          quitSignalled);
  }
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
  // Pictures named on the command line ("Open with") open free assembly's chooser, which offers them as levels too.
  const QStringList pictures = parsed ? parser.positionalArguments() : app.arguments().mid(1);
  if (!pictures.isEmpty())
    QTimer::singleShot(0, &mainForm, [&mainForm, pictures] { RunReported([&] { mainForm.OfferPictures(pictures); }); });
  const int result = quitSignalled ? 0 : app.exec();
  mainForm.EndSession();
  return result;
}
