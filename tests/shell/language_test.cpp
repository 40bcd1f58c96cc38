// The game in other languages. A pseudo language that marks every text of
// the catalogs finds any text the window shows, names or says without
// them; every shipped language fits the panel's fixed places in fonts that
// have its letters; a language without a catalog stays English.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRawFont>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTranslator>
#include <QtTest>
#include <gtest/gtest.h>

#include "shell/narration.h"
#include "shell/qt/game_menu.h"
#include "shell/qt/game_window.h"
#include "shell/qt/help_window.h"
#include "shell/qt/languages.h"
#include "support/board_text.h"

namespace vexalon {
namespace {

// The letters of a text outside its marked parts, the game's names left out.
QString Unmarked(QString text) {
  for (const char* name : {"Game by Oskel", "PROTOTYPE", "Vexalon"}) text.remove(QLatin1String(name));
  QString left;
  for (qsizetype i = 0, depth = 0; i < text.size(); ++i) {
    if (text.mid(i, 2) == "[[") ++depth, ++i;
    else if (depth > 0 && text.mid(i, 2) == "]]") --depth, ++i;
    else if (depth == 0 && text[i].isLetter()) left += text[i];
  }
  return left;
}

// What a widget and those inside it show or name.
QStringList Texts(QWidget& top) {
  QStringList texts{top.windowTitle()};
  QList<QWidget*> widgets = top.findChildren<QWidget*>() << &top;
  for (QWidget* w : widgets) {
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* browser = qobject_cast<QTextBrowser*>(w)) texts << browser->toPlainText();
    texts << w->accessibleName() << w->accessibleDescription();
  }
  return texts;
}

// A move answered as the window answers it, then its ticks.
std::string Move(testing::Table& t, Narrator& n, int index, std::int64_t ms, int button = kLeftButton, int shift = 0) {
  Scene before = SceneOf(t.game);
  t.game.sq_MouseDown(index, button, shift, 0);
  std::string said = n.Pressed(index, button, shift, before);
  before = SceneOf(t.game);
  t.game.sq_MouseUp(index, button, shift, 0);
  said += n.Released(index, button, shift, before);
  for (std::int64_t end = t.platform.now + ms; t.platform.FireNext(end);) said += " " + n.Settled();
  return said;
}

TEST(Languages, PseudoLanguageMarksEveryText) {
  QTranslator pseudo;
  ASSERT_TRUE(pseudo.load(QStringLiteral(VEXALON_PSEUDO_CATALOG)));
  QCoreApplication::installTranslator(&pseudo);
  GameWindow window;
  window.Load();
  window.show();
  testing::SetBoard(window.Game(), testing::kQuiet);
  QTest::mouseClick(window.Cell(0), Qt::LeftButton);
  QStringList texts = Texts(window);
  QTimer::singleShot(0, [&texts] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    texts << box->windowTitle() << box->text();
    box->reject();
  });
  QTest::mouseClick(window.findChild<QLabel*>("LabelClr"), Qt::LeftButton);
  GameMenu menu(window, {});
  for (QAction* action : menu.Menu().actions()) texts << action->text();
  HelpWindow help(&window);
  texts << Texts(*help.findChild<QTextBrowser*>()) << help.windowTitle();

  // What is said: every square, the panel, and two games' moves and chains.
  for (int p = 0; p < kPictureCount; ++p)
    texts << QString::fromStdString(SquareWords(Picture(p)) + SquareKeys(Picture(p)));
  testing::Table t("1 1 0up 0up 1 1  0 2 3 4 0 2  2 3 4 0 2 3  3 4 0 2 3 4  4 0 2 3 4 0  0 2 3 4 0 2down");
  t.game.record.reactions = 20;
  Narrator n(t.game);
  for (int h : {115, 128, 104, 110, 110, 110, 104, 115, 110}) t.platform.randoms.push_back(static_cast<float>(h) / 130);
  for (int index : {2, 3, 0, 35, 35}) texts << QString::fromStdString(Move(t, n, index, 5000));
  t.game.record.erasers = 1;
  texts << QString::fromStdString(Move(t, n, 1, 3000) + Move(t, n, 1, 3000, kRightButton));
  texts << QString::fromStdString(PanelSentence(t.game.record) + n.NewGame() + Move(t, n, 0, 20000));
  testing::Table u("0up 1 1 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1  0 1 2 0 1 2  1 2 0 1 2 0  2 0 1 2 0 1down");
  Narrator m(u.game);
  texts << QString::fromStdString(Move(u, m, 35, 0, kRightButton) + PanelSentence(u.game.record));

  for (const QString& text : texts) EXPECT_EQ(Unmarked(text).toStdString(), "") << text.toStdString();
  QCoreApplication::removeTranslator(&pseudo);
}

// Each caption fits its label, beside its number at the widest; the
// button's text fits inside its frame; each font has every letter.
TEST(Languages, EveryLanguageFits) {
  const char* const besides[][3] = {{"LabelComboT", "LabelCombo", "99"}, {"LabelRemoves1", "LabelRemoves", "3"},
                                    {"Label1", "LevelTxt", "10"}};
  for (const char* language : {"de", "fr", "es", "it", "pt_BR", "pl", "ru"}) {
    SCOPED_TRACE(language);
    QTranslator catalog;
    ASSERT_TRUE(catalog.load(QStringLiteral(":/i18n/vexalon_%1").arg(language)));
    QCoreApplication::installTranslator(&catalog);
    GameWindow window;
    window.Load();
    for (QLabel* label : window.findChildren<QLabel*>()) {
      QFontMetrics metrics(label->font());
      EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
      QRawFont font = QRawFont::fromFont(label->font());
      for (char32_t letter : label->text().toUcs4())
        EXPECT_TRUE(font.supportsCharacter(letter)) << label->text().toStdString() << " in " << font.familyName().toStdString();
    }
    for (const auto& beside : besides) {
      auto *caption = window.findChild<QLabel*>(beside[0]), *number = window.findChild<QLabel*>(beside[1]);
      QFontMetrics metrics(caption->font()), digits(number->font());
      EXPECT_LE(caption->x() + metrics.horizontalAdvance(caption->text()),
                number->geometry().right() + 1 - digits.horizontalAdvance(beside[2]))
          << caption->text().toStdString();
    }
    auto* button = window.findChild<QPushButton*>("Command1");
    QStyleOptionButton option;
    option.initFrom(button);
    QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), inside.width()) << button->text().toStdString();
    QCoreApplication::removeTranslator(&catalog);
  }
}

// As the program starts: the desktop's language, or English where the game
// has no catalog, Qt's own words alike.
TEST(Languages, TheDesktopsLanguage) {
  LoadLanguage(*QCoreApplication::instance());
  GameWindow window;
  EXPECT_EQ(window.findChild<QPushButton*>("Command1")->text().toStdString(), qgetenv("EXPECT_NEW_GAME").toStdString());
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), qgetenv("EXPECT_YES").toStdString());
}

}  // namespace
}  // namespace vexalon

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());  // never the player's own file
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
