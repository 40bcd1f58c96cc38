#include "shell/qt/languages.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vexalon {

void LoadLanguage(QCoreApplication& app) {
  QLocale locale;
  auto* game = new QTranslator(&app);
  // English needs no catalog; any other language the game has not been
  // translated into stays English too, Qt's words included.
  if (!game->load(locale, QStringLiteral("vexalon"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
    delete game;
    return;
  }
  QCoreApplication::installTranslator(game);
  auto* qt = new QTranslator(&app);
  if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(qt);
  else
    delete qt;
}

}  // namespace vexalon
