// The window "Мои пазлы": every free puzzle the player has, as it stands, to go on with, start again or delete.
#pragma once

#include <QDialog>
#include <vector>

#include "free/saves/FreeSaves.h"

class QListWidget;
class QPushButton;

class TMyPuzzles : public QDialog {
  Q_OBJECT

 public:
  explicit TMyPuzzles(QWidget* parent = nullptr);

  // Reads the folder again; the selection stays on the same file where it still is.
  void Refresh();
  const std::vector<TFreeListing>& Listings() const { return listings_; }
  void Select(int row);
  QPushButton& ContinueButton() { return *continue_; }
  QPushButton& AgainButton() { return *again_; }
  QPushButton& DeleteButton() { return *delete_; }

 signals:
  void ContinueChosen(const QString& path);
  void AgainChosen(const QString& path);

 private:
  const TFreeListing* Selected() const;
  void UpdateButtons();
  void DeleteSelected();

  QListWidget* list_;
  QPushButton* continue_;
  QPushButton* again_;
  QPushButton* delete_;
  std::vector<TFreeListing> listings_;
};

// What the list says of one puzzle, in Russian, one line a fact.
QString ListingText(const TFreeListing& listing);
