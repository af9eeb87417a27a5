// "Как играть": the rules, the keys, stars and bonuses, own pictures and level packs, in a scrolling text.
#pragma once

#include <QDialog>

class QTextBrowser;

class THelpWindow : public QDialog {
  Q_OBJECT

 public:
  explicit THelpWindow(QWidget* parent = nullptr);
  QTextBrowser* Text = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
};

// The help text, Russian HTML from the game's built-in resources.
QString HowToPlayText();
