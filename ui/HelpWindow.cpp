// The help window: the text from the built-in resources, sized to the screen it opens on.
#include "ui/HelpWindow.h"

#include <QFile>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr QSize kPreferred(640, 720);
constexpr QSize kSmallest(320, 240);
}  // namespace

QString HowToPlayText() {
  QFile file(":/help/how-to-play.html");
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

THelpWindow::THelpWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Как играть");
  setMinimumSize(kSmallest);
  auto* layout = new QVBoxLayout(this);
  Text = new QTextBrowser(this);
  Text->setOpenLinks(false);
  Text->setHtml(HowToPlayText());
  QFont font = Text->font();
  font.setPixelSize(15);
  Text->setFont(font);
  layout->addWidget(Text);
  auto* close = new QPushButton("Закрыть", this);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(close, 0, Qt::AlignRight);
}

// Never larger than the screen's free area: the text scrolls instead.
void THelpWindow::showEvent(QShowEvent* event) {
  if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen()) {
    const QRect area = screen->availableGeometry();
    const QSize size(std::min(kPreferred.width(), area.width() * 9 / 10),
                     std::min(kPreferred.height(), area.height() * 9 / 10));
    resize(size.expandedTo(kSmallest).boundedTo(area.size()));
    move(area.center() - rect().center());
  }
  QDialog::showEvent(event);
}
