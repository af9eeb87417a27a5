// The free puzzle's window: the table, a small toolbar and the congratulation when the picture is whole.
#include "free/table/FreeWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

#include "free/puzzle/FreePuzzle.h"
#include "free/table/FreeTable.h"

TFreeWindow::TFreeWindow(std::unique_ptr<TFreePuzzle> puzzle, const QString& picture, QWidget* parent)
    : QMainWindow(parent), puzzle_(std::move(puzzle)), pictureName_(QFileInfo(picture).completeBaseName()) {
  const int pieces = int(puzzle_->Pieces().size());
  setWindowTitle(QString("Свободная сборка: «%1», %2 дет.").arg(pictureName_).arg(pieces));
  table_ = new TFreeTable(*puzzle_, this);
  setCentralWidget(table_);

  QToolBar* tools = addToolBar("Стол");
  tools->setMovable(false);
  QAction* fit = tools->addAction("Весь стол", table_, &TFreeTable::FitTable);
  fit->setToolTip("Показать весь стол (Home)");
  QAction* guide = tools->addAction("Картинка");
  guide->setCheckable(true);
  guide->setChecked(table_->GuideShown());
  guide->setToolTip("Бледная картинка в рамке (P)");
  connect(guide, &QAction::toggled, table_, &TFreeTable::SetGuideShown);
  connect(table_, &TFreeTable::GuideSwitched, guide, &QAction::setChecked);
  tools->addSeparator();
  tools->addWidget(new QLabel(" Ctrl + колесо: масштаб; колесо и стрелки: поворот ", tools));

  // Over the table, so the finished picture stays in sight around it.
  congratulation_ = new QLabel(table_->viewport());
  congratulation_->setStyleSheet(
      "QLabel { background: rgba(40, 26, 14, 215); color: #fff4dc; font-size: 22px; padding: 18px 28px;"
      " border: 2px solid #e8c88a; border-radius: 10px; }");
  congratulation_->setAlignment(Qt::AlignCenter);
  congratulation_->hide();
  connect(table_, &TFreeTable::Finished, this, &TFreeWindow::Congratulate);
  table_->setFocus();
  resize(1280, 860);
}

TFreeWindow::~TFreeWindow() = default;

void TFreeWindow::Congratulate() {
  congratulation_->setText(
      QString("Поздравляем!\nКартина «%1» собрана из %2 деталей.").arg(pictureName_).arg(puzzle_->Pieces().size()));
  congratulation_->adjustSize();
  const QRect view = table_->viewport()->rect();
  congratulation_->move(view.center() - congratulation_->rect().center());
  congratulation_->show();
  congratulation_->raise();
}
