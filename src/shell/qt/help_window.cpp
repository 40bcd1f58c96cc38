#include "shell/qt/help_window.h"

#include <QDialogButtonBox>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>
#include <QtMath>

#include "shell/narration.h"
#include "shell/qt/pictures.h"

namespace vexalon {
namespace {

constexpr int kShownSize = 36;  // a square in the help, in logical pixels

QString Rules() {
  return HelpWindow::tr(
      "<h2>The goal</h2>"
      "<p>Make lines of three squares of one colour, in a row or a column, and score as much as you can.</p>"
      "<h2>A step</h2>"
      "<p>Click a square with an arrow: its colour steps one way (an up arrow counts up, a down arrow down; on a "
      "square with both arrows, the half you click chooses). Each step scores 1. One second after your last step "
      "the board is scanned.</p>"
      "<h2>Reactions and chains</h2>"
      "<p>Every line of three of one colour reacts: it is marked, vanishes, the squares around close the gap and "
      "new squares fill the board, which may react again. Each reaction scores 10. A chain of two or more shows "
      "\"Combo x\" with its length.</p>"
      "<h2>Full lines and erasers</h2>"
      "<p>A whole row or column marked at once earns an eraser (up to three) and sweeps its colour off the board. "
      "Click a plain square (no arrow) to spend an eraser on it.</p>"
      "<h2>The trial</h2>"
      "<p>Right-click an arrow square (or Shift, Ctrl or Alt and click) to try every colour it can reach and keep "
      "the first that reacts.</p>"
      "<h2>The multi-colour square</h2><p>It counts as every colour.</p>"
      "<h2>Levels and difficulty</h2>"
      "<p>After every 21 reactions the level rises and fewer arrows come. The difficulty bar sets the level the "
      "next new game starts at.</p>"
      "<h2>The end</h2>"
      "<p>The game is over when nothing reacts and no arrow square is left. The best score is kept.</p>");
}

QString Keys() {
  const char* const rows[][2] = {
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "Left click"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "step a square, or spend an eraser on a plain one")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "Right click, or Shift, Ctrl or Alt and click"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "a trial; outside the board, the menu")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "Tab, Shift+Tab"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "go round New game, the difficulty bar, [Clear] and the board")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "Arrow keys, Home, End, Ctrl+Home, Ctrl+End"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "move over the board")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "Space, Enter, Page Up"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "a click on the square's upper half")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "Page Down"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "a click on the lower half: a square with both arrows steps down")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "Menu, Shift+F10, or Shift, Ctrl or Alt with those keys"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "a trial; outside the board, the menu")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "H"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "a hint")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "M"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "sound on or off")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "S"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "hear the score, level, erasers and high score")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "Ctrl+N, F2"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "new game")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "F1"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "this help")},
      {QT_TRANSLATE_NOOP("vexalon::HelpWindow", "Ctrl+Q"), QT_TRANSLATE_NOOP("vexalon::HelpWindow", "quit; the high score is kept")},
  };
  QString table = "<h2>" + HelpWindow::tr("Mouse and keys") + "</h2><table cellpadding=\"3\">";
  for (const auto& row : rows)
    table += "<tr><td><b>" + HelpWindow::tr(row[0]).toHtmlEscaped() + "</b></td><td>" + HelpWindow::tr(row[1]).toHtmlEscaped() +
             "</td></tr>";
  return table + "</table>";
}

// Every picture a square can show, drawn by the game's own painter at the
// screen's pixel ratio, beside its words.
QString Squares(QTextDocument& document, qreal ratio) {
  QString table = "<h2>" + HelpWindow::tr("The squares") + "</h2><table cellpadding=\"2\">";
  for (int p = 0; p < kPictureCount; ++p) {
    auto picture = static_cast<Picture>(p);
    QImage image(qCeil(kShownSize * ratio), qCeil(kShownSize * ratio), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(double(kShownSize) / kPictureSize, double(kShownSize) / kPictureSize);
    PaintPicture(painter, picture);
    painter.end();
    QUrl url(QStringLiteral("square:%1").arg(p));
    document.addResource(QTextDocument::ImageResource, url, image);
    table += QStringLiteral("<tr><td><img src=\"%1\" width=\"%2\" height=\"%2\"></td><td>%3</td></tr>")
                 .arg(url.toString())
                 .arg(kShownSize)
                 .arg(QString::fromStdString(SquareWords(picture)).toHtmlEscaped());
  }
  return table + "</table>";
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("How to play Vexalon"));
  auto* text = new QTextBrowser(this);
  text->setObjectName(QStringLiteral("HelpText"));
  text->setAccessibleName(tr("How to play"));
  text->setHtml(Rules() + Squares(*text->document(), devicePixelRatioF()) + Keys());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->button(QDialogButtonBox::Close)->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(buttons);
  resize(520, 560);
  text->setFocus();
}

}  // namespace vexalon
