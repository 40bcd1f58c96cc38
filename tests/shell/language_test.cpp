// The game in other languages. A pseudo language marks every text the
// German catalog has, so that one shown, named or said without a catalog
// stands out; every shipped language fits the panel's fixed places in
// fonts that have its letters; a language without a catalog stays English.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyleOptionButton>
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

struct Pseudo : QTranslator {
  QTranslator german;
  QString translate(const char* context, const char* text, const char* how, int n) const override {
    return german.translate(context, text, how, n).isEmpty() ? QString() : "[[" + QString(text) + "]]";
  }
};

// Letters outside the marked parts, innermost first, and the game's names.
std::string Unmarked(QString text) {
  for (qsizetype size = -1; size != text.size();)
    size = text.size(), text.remove(QRegularExpression(R"(\[\[(?!\[)((?!\[\[|\]\])[\s\S])*\]\]|Game by Oskel|PROTOTYPE|Vexalon)"));
  return text.remove(QRegularExpression(R"(\P{L})")).toStdString();
}

// What a widget and those inside it show or name.
void Collect(QWidget& top, QStringList& texts) {
  texts << top.windowTitle();
  for (QWidget* w : top.findChildren<QWidget*>()) {
    if (auto* label = qobject_cast<QLabel*>(w)) texts << label->text();
    if (auto* button = qobject_cast<QPushButton*>(w); button && !top.inherits("QDialog")) texts << button->text();
    if (auto* browser = qobject_cast<QTextBrowser*>(w)) texts << browser->toPlainText();
    texts << w->accessibleName() << w->accessibleDescription();
  }
}

TEST(Languages, PseudoLanguageMarksEveryText) {
  Pseudo pseudo;
  ASSERT_TRUE(pseudo.german.load(QStringLiteral(":/i18n/vexalon_de")));
  QCoreApplication::installTranslator(&pseudo);
  GameWindow window;
  window.Load();
  QStringList texts;
  Collect(window, texts);
  QTimer::singleShot(0, [&texts] { Collect(*QApplication::activeModalWidget(), texts), QApplication::activeModalWidget()->close(); });
  QTest::mouseClick(window.findChild<QLabel*>("LabelClr"), Qt::LeftButton);
  GameMenu menu(window, {});
  for (QAction* action : menu.Menu().actions()) texts << action->text();
  HelpWindow help(&window);
  Collect(help, texts);
  // What is said: every square, the panel, a chain and the end of a game.
  for (int p = 0; p < kPictureCount; ++p) texts << QString::fromStdString(SquareWords(Picture(p)) + SquareKeys(Picture(p)));
  testing::Table t("1 1 0up 0up 1 1  0 2 3 4 0 2  2 3 4 0 2 3  3 4 0 2 3 4  4 0 2 3 4 0  0 2 3 4 0 2down");
  t.game.record.reactions = 20;
  Narrator n(t.game);
  for (int index : {2, 3, 35, 35, 1}) {
    Scene before = SceneOf(t.game);
    t.game.sq_MouseDown(index, kLeftButton, 0, 0), t.game.sq_MouseUp(index, kLeftButton, 0, 0);
    texts << QString::fromStdString(n.Released(index, kLeftButton, 0, before));
    for (std::int64_t end = t.platform.now + 5000; t.platform.FireNext(end);) texts << QString::fromStdString(n.Settled());
  }
  texts << QString::fromStdString(PanelSentence(t.game.record) + n.NewGame());
  for (const QString& text : texts) EXPECT_EQ(Unmarked(text), "") << text.toStdString();
}

// Each label's text fits it, a caption beside its number at the widest;
// the button's text fits inside its frame; each font has every letter.
TEST(Languages, EveryLanguageFits) {
  const char* const besides[][3] = {{"LabelComboT", "LabelCombo", "99"}, {"LabelRemoves1", "LabelRemoves", "3"}, {"Label1", "LevelTxt", "10"}};
  for (const char* language : {"de", "fr", "es", "it", "pt_BR", "pl", "ru"}) {
    SCOPED_TRACE(language);
    QTranslator catalog;
    ASSERT_TRUE(catalog.load(QStringLiteral(":/i18n/vexalon_%1").arg(language)));
    QCoreApplication::installTranslator(&catalog);
    GameWindow window;
    for (QLabel* label : window.findChildren<QLabel*>()) {
      EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
      for (char32_t letter : label->text().toUcs4())
        EXPECT_TRUE(QRawFont::fromFont(label->font()).supportsCharacter(letter)) << label->text().toStdString();
    }
    for (const auto& beside : besides) {
      auto *caption = window.findChild<QLabel*>(beside[0]), *number = window.findChild<QLabel*>(beside[1]);
      EXPECT_LE(caption->x() + caption->fontMetrics().horizontalAdvance(caption->text()),
                number->geometry().right() + 1 - number->fontMetrics().horizontalAdvance(beside[2])) << beside[0];
    }
    auto* button = window.findChild<QPushButton*>("Command1");
    QStyleOptionButton option;
    option.initFrom(button);
    QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), inside.width()) << button->text().toStdString();
  }
}

// As the program starts: the desktop's language, or English where the game
// has no catalog, Qt's own words alike.
TEST(Languages, TheDesktopsLanguage) {
  LoadLanguage(*QCoreApplication::instance());
  GameWindow window;
  QString shown = window.findChild<QPushButton*>("Command1")->text() + "/" + QCoreApplication::translate("QPlatformTheme", "&Yes");
  EXPECT_EQ(shown.toStdString(), qgetenv("EXPECT").toStdString());
}

}  // namespace
}  // namespace vexalon

// On the offscreen platform, with a settings folder of its own (see tests/CMakeLists.txt).
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
