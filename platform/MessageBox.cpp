// Message boxes and the error report.
#include "platform/MessageBox.h"

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QSet>
#include <cstdio>
#include <utility>

namespace {
TMessageBoxHook& Hook() {
  static TMessageBoxHook hook;
  return hook;
}

struct THeldMessage {
  QString text, caption;
  TMsgIcon icon;
};
bool holding = false;
QList<THeldMessage>& Held() {
  static QList<THeldMessage> held;
  return held;
}

QMessageBox::Icon ToQtIcon(TMsgIcon icon) {
  switch (icon) {
    case TMsgIcon::Information: return QMessageBox::Information;
    case TMsgIcon::Warning: return QMessageBox::Warning;
    case TMsgIcon::Error: return QMessageBox::Critical;
  }
  return QMessageBox::NoIcon;
}
}  // namespace

TMsgResult ShowMessageBox(const QString& text, const QString& caption, TMsgIcon icon, TMsgButtons buttons) {
  if (holding && buttons == TMsgButtons::Ok) {
    Held().append({text, caption, icon});
    return TMsgResult::Ok;
  }
  if (Hook()) return Hook()(text, caption, icon, buttons);
  const bool yesNo = buttons == TMsgButtons::YesNo;
  if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return yesNo ? TMsgResult::No : TMsgResult::Ok;
  QMessageBox box(ToQtIcon(icon), caption, text,
                  yesNo ? QMessageBox::Yes | QMessageBox::No : QMessageBox::StandardButtons(QMessageBox::Ok),
                  QApplication::activeWindow());
  const int pressed = box.exec();
  if (!yesNo) return TMsgResult::Ok;
  return pressed == QMessageBox::Yes ? TMsgResult::Yes : TMsgResult::No;
}

void ReportError(const QString& text) { ShowMessageBox(text, "Ошибка", TMsgIcon::Error); }

void ReportOnce(const QString& key, const QString& text) {
  static QSet<QString> reported;
  if (reported.contains(key)) return;
  reported.insert(key);
  ShowMessageBox(text, "Внимание", TMsgIcon::Warning);
}

void HoldMessages() { holding = true; }

void ShowHeldMessages() {
  holding = false;
  const QList<THeldMessage> held = std::exchange(Held(), {});
  for (const THeldMessage& message : held) ShowMessageBox(message.text, message.caption, message.icon);
}

void SetMessageBoxHook(TMessageBoxHook hook) { Hook() = std::move(hook); }

TUnattendedMessages::TUnattendedMessages() {
  if (Hook()) return;
  Hook() = [](const QString& text, const QString& caption, TMsgIcon, TMsgButtons) {
    std::fprintf(stderr, "%s: %s\n", qUtf8Printable(caption), qUtf8Printable(text));
    return TMsgResult::No;
  };
  installed_ = true;
}

TUnattendedMessages::~TUnattendedMessages() {
  if (installed_) Hook() = nullptr;
}
