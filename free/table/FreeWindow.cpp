// The free puzzle's window: the table, a small toolbar and the congratulation when the picture is whole.
#include "free/table/FreeWindow.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QToolBar>
#include <QVBoxLayout>

#include "free/puzzle/FreePuzzle.h"
#include "free/table/FreeTable.h"

TFreeWindow::TFreeWindow(std::unique_ptr<TFreePuzzle> puzzle, const QString& picture, QWidget* parent,
                         TFreeClock::TSource clock)
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
  tools->addAction("Края", table_, &TFreeTable::SortEdges)->setToolTip("Детали края картинки — к краю стола (E)");
  tools->addAction("Собрать", table_, &TFreeTable::Gather)
      ->setToolTip("Все отдельные детали — на видимую часть стола, без наложений (G)");
  tools->addAction("Отменить", table_, &TFreeTable::Undo)->setToolTip("Отменить последний ход (Ctrl+Z)");
  tools->addAction("Вернуть", table_, &TFreeTable::Redo)
      ->setToolTip("Вернуть отменённый ход (Ctrl+Shift+Z или Ctrl+Y)");
  tools->addSeparator();
  tools->addWidget(new QLabel(" Ctrl + колесо: масштаб; колесо и стрелки: поворот ", tools));
  tools->addSeparator();
  clockLabel_ = new QLabel(tools);
  tools->addWidget(clockLabel_);
  clock_ = new TFreeClock(this, std::move(clock));
  const auto showTime = [this](int seconds) { clockLabel_->setText(" Время: " + ClockText(seconds) + " "); };
  connect(clock_, &TFreeClock::Changed, clockLabel_, showTime);
  showTime(0);
  if (puzzle_->Finished()) clock_->Stop();

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
  clock_->Stop();
  const int seconds = clock_->Seconds();
  QString text = QString("Поздравляем!\nКартина «%1» собрана из %2 деталей.\nВремя: %3")
                     .arg(pictureName_)
                     .arg(puzzle_->Pieces().size())
                     .arg(ClockText(seconds));
  if (best_ && seconds < *best_)
    text += QString("\nНовый рекорд! Лучшее время было %1.").arg(ClockText(*best_));
  else if (best_)
    text += QString("\nЛучшее время: %1.").arg(ClockText(*best_));
  congratulation_->setText(text);
  congratulation_->adjustSize();
  const QRect view = table_->viewport()->rect();
  congratulation_->move(view.center() - congratulation_->rect().center());
  congratulation_->show();
  congratulation_->raise();
  emit Finished(seconds);
}
