// The download's pack rows: one label, bar and outcome per pack the server has, in a scrolling list.
#include "ui/PackList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int kBarScale = 1000;
}  // namespace

TPackList::TPackList(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* scroll = new QScrollArea(this);
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setStyleSheet("QScrollArea, QScrollArea > QWidget > QWidget { background: rgba(255, 250, 235, 200); }");
  rowsHolder_ = new QWidget(scroll);
  rowsLayout_ = new QVBoxLayout(rowsHolder_);
  rowsLayout_->setContentsMargins(6, 4, 6, 4);
  rowsLayout_->addStretch();
  scroll->setWidget(rowsHolder_);
  layout->addWidget(scroll);
  StopButton = new QPushButton("Остановить загрузку", this);
  StopButton->setEnabled(false);
  layout->addWidget(StopButton, 0, Qt::AlignRight);
  connect(StopButton, &QPushButton::clicked, this, [this] {
    stopAsked_ = true;
    StopButton->setEnabled(false);
  });
  hide();
}

void TPackList::Begin() {
  for (auto& [n, row] : rows_) delete row.bar->parentWidget();
  rows_.clear();
  stopAsked_ = false;
  StopButton->setEnabled(true);
  show();
}

void TPackList::End() { StopButton->setEnabled(false); }

TPackList::Row& TPackList::RowOf(int n) {
  const auto found = rows_.find(n);
  if (found != rows_.end()) return found->second;
  auto* line = new QWidget(rowsHolder_);
  auto* layout = new QHBoxLayout(line);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new QLabel(QString("Набор %1").arg(n), line));
  auto* bar = new QProgressBar(line);
  bar->setRange(0, kBarScale);
  bar->setTextVisible(false);
  bar->setFixedHeight(12);
  layout->addWidget(bar, 1);
  auto* outcome = new QLabel(line);
  outcome->setMinimumWidth(160);
  layout->addWidget(outcome);
  rowsLayout_->insertWidget(rowsLayout_->count() - 1, line);
  return rows_.emplace(n, Row{bar, outcome}).first->second;
}

void TPackList::SetProgress(int n, qint64 received, qint64 total) {
  Row& row = RowOf(n);
  if (total > 0) {
    row.bar->setRange(0, kBarScale);
    row.bar->setValue(static_cast<int>(std::min(received, total) * kBarScale / total));
    row.outcome->setText(QString("%1 из %2 КБ").arg(received / 1024).arg(total / 1024));
  } else {
    row.bar->setRange(0, 0);  // busy: the size is not known
    row.outcome->setText(QString("%1 КБ").arg(received / 1024));
  }
}

void TPackList::SetOutcome(int n, const QString& text, bool arrived) {
  Row& row = RowOf(n);
  if (row.bar->maximum() == 0) row.bar->setRange(0, kBarScale);
  if (arrived) row.bar->setValue(kBarScale);
  row.outcome->setText(text);
}

QProgressBar* TPackList::Bar(int n) const {
  const auto found = rows_.find(n);
  return found == rows_.end() ? nullptr : found->second.bar;
}

QString TPackList::Outcome(int n) const {
  const auto found = rows_.find(n);
  return found == rows_.end() ? QString() : found->second.outcome->text();
}
