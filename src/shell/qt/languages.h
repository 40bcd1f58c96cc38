// The game in the desktop's language: its own catalog and Qt's (for the
// clear prompt's buttons), chosen as every Qt program chooses, from
// LANGUAGE, LC_ALL, LC_MESSAGES and LANG. A language without a catalog
// stays English.
#pragma once

class QCoreApplication;

namespace vexalon {

void LoadLanguage(QCoreApplication& app);

}  // namespace vexalon
