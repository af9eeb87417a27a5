// The free puzzles open in this run, their saves as they are played and their records.
#include "free/windows/FreeGames.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>

#include "free/puzzle/FreeCut.h"
#include "free/puzzle/FreePuzzle.h"
#include "free/saves/FreeKeeper.h"
#include "free/saves/FreeRecords.h"
#include "free/saves/FreeSaves.h"
#include "free/table/FreeTable.h"
#include "free/table/FreeWindow.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"

struct TFreeGames::TOpen {
  std::unique_ptr<TFreeWindow> Window;
  TFreeKeeper Keeper;
};

namespace {
constexpr const char* kCaption = "Свободная сборка";

// Makes or reads a puzzle with the wait cursor up, for it takes a moment with many pieces; a puzzle that cannot be
// made is told in one message and gives none.
template <class Make>
std::unique_ptr<TFreePuzzle> Made(Make&& make) {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  struct TRestore {
    ~TRestore() { QApplication::restoreOverrideCursor(); }
  } restore;
  try {
    return make();
  } catch (const TFreeError& e) {
    ShowMessageBox(QString::fromStdString(e.what()), kCaption, TMsgIcon::Error);
    return nullptr;
  }
}
}  // namespace

TFreeGames::TFreeGames() {
  // A logout may end the game without closing its windows first.
  connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { SaveAll(); });
}

TFreeGames::~TFreeGames() = default;

const std::vector<TFreeWindow*> TFreeGames::Windows() const {
  std::vector<TFreeWindow*> windows;
  for (const auto& open : open_) windows.push_back(open->Window.get());
  return windows;
}

TFreeWindow* TFreeGames::Start(const TFreeOrigin& origin, bool guide) {
  auto puzzle = Made([&] { return StartFreePuzzle(origin); });
  return puzzle ? Open(std::move(puzzle), NewFreeSavePath(), 0, guide) : nullptr;
}

TFreeWindow* TFreeGames::Resume(const QString& path) {
  for (const auto& open : open_)
    if (open->Keeper.Path() == path) {
      open->Window->showNormal();
      open->Window->raise();
      open->Window->activateWindow();
      return open->Window.get();
    }
  int seconds = 0;
  auto puzzle = Made([&] {
    const TFreeSave save = ReadFreeSave(path);
    seconds = save.Seconds;
    return ResumeFreePuzzle(save);
  });
  return puzzle ? Open(std::move(puzzle), path, seconds, true) : nullptr;
}

TFreeWindow* TFreeGames::StartAgain(const QString& path) {
  for (const auto& open : open_)
    if (open->Keeper.Path() == path) {
      Close(open->Window.get());
      break;
    }
  auto puzzle = Made([&] {
    TFreeOrigin origin = ReadFreeSave(path).Origin;
    origin.Seed = static_cast<std::uint32_t>(Random(0x7FFFFFFF));
    return StartFreePuzzle(origin);
  });
  return puzzle ? Open(std::move(puzzle), path, 0, true) : nullptr;
}

TFreeWindow* TFreeGames::Open(std::unique_ptr<TFreePuzzle> made, const QString& path, int seconds, bool guide) {
  TFreePuzzle& puzzle = *made;
  auto open = std::make_unique<TOpen>(
      TOpen{std::make_unique<TFreeWindow>(std::move(made), puzzle.Origin().Picture), TFreeKeeper(path)});
  TOpen& kept = *open;
  TFreeWindow& window = *kept.Window;
  window.Clock().SetSeconds(seconds);
  window.Table().SetGuideShown(guide);
  // The best so far, for the congratulation to tell a new record from an old one.
  window.SetBestSeconds(BestFreeSeconds(puzzle.Origin(), puzzle.Grid()));
  window.installEventFilter(this);
  connect(&window.Table(), &TFreeTable::Settled, this, [this, &kept] { Save(kept); });
  connect(&window, &TFreeWindow::Finished, this, [this, &kept](int seconds) { Finish(kept, seconds); });
  open_.push_back(std::move(open));
  Save(kept);
  emit PuzzlesChanged();
  window.show();
  return &window;
}

void TFreeGames::Save(TOpen& open) { open.Keeper.Save(open.Window->Table().Puzzle(), open.Window->Clock().Seconds()); }

void TFreeGames::Finish(TOpen& open, int seconds) {
  const TFreePuzzle& puzzle = open.Window->Table().Puzzle();
  Save(open);
  RunReported([&] { KeepFreeSeconds(puzzle.Origin(), puzzle.Grid(), seconds); });
  emit PuzzlesChanged();
}

void TFreeGames::SaveAll() {
  for (const auto& open : open_) Save(*open);
}

void TFreeGames::Close(TFreeWindow* window) {
  for (auto open = open_.begin(); open != open_.end(); ++open)
    if ((*open)->Window.get() == window) {
      Save(**open);
      window->removeEventFilter(this);
      disconnect(&window->Table(), nullptr, this, nullptr);
      window->hide();
      // Not at once: the window may be in the middle of its own event.
      QObject* gone = (*open)->Window.release();
      gone->deleteLater();
      open_.erase(open);
      emit PuzzlesChanged();
      return;
    }
}

bool TFreeGames::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) Close(static_cast<TFreeWindow*>(watched));
  return QObject::eventFilter(watched, event);
}
