// Message boxes, and the general error report that shows an operation's failure to the player.
#pragma once

#include <QString>
#include <exception>
#include <functional>

enum class TMsgIcon { Information, Warning, Error };
enum class TMsgButtons { Ok, YesNo };
enum class TMsgResult { Ok, Yes, No };

// Shows a modal message box and returns the button pressed.
TMsgResult ShowMessageBox(const QString& text, const QString& caption, TMsgIcon icon,
                          TMsgButtons buttons = TMsgButtons::Ok);

// The toolkit's error report: a failed operation's text in an error box.
void ReportError(const QString& text);

// Shows the text only the first time it is reported for this key in this run.
void ReportOnce(const QString& key, const QString& text);

// While the game starts, boxes with only an OK button wait, so nothing modal stands before its window;
// ShowHeldMessages shows them in their order and lets later boxes show at once.
void HoldMessages();
void ShowHeldMessages();

// Tests answer message boxes instead of a player: the hook gets every box and returns the button.
using TMessageBoxHook =
    std::function<TMsgResult(const QString& text, const QString& caption, TMsgIcon icon, TMsgButtons buttons)>;
void SetMessageBoxHook(TMessageBoxHook hook);

// While it lives, a box that nobody is there to answer (the session is ending the game) goes to the standard error
// as "caption: text" and counts as "No"; a hook that answers boxes stays in charge.
class TUnattendedMessages {
 public:
  TUnattendedMessages();
  ~TUnattendedMessages();
  TUnattendedMessages(const TUnattendedMessages&) = delete;
  TUnattendedMessages& operator=(const TUnattendedMessages&) = delete;

 private:
  bool installed_ = false;
};

// Runs a window handler; a failure it raises reaches the player as an error report and goes no further.
template <class Handler>
void RunReported(Handler&& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    ReportError(QString::fromStdString(e.what()));
  }
}
