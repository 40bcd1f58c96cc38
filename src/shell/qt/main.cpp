#include <QApplication>
#include <cstdio>
#include <string_view>

#include "shell/qt/game_app.h"
#include "shell/qt/game_window.h"
#include "shell/qt/languages.h"

namespace {

constexpr const char* kHelp = R"(Usage: vexalon [OPTION]...
Opens the game's window: a colour puzzle for one player on a 6 x 6 board,
played with the mouse or the keyboard (see the manual page, vexalon(6)).

  -h, --help     show this help and end
      --version  show the version and end

In the window: F1 how to play, H a hint, M sound on or off, S the score
aloud, Ctrl+N or F2 a new game, Ctrl+Q quit; a right-click beside the
board (or the Menu key off the board) opens the menu with all of these.

Qt's own options work too, among them -platform NAME, -display DISPLAY,
-style NAME and -reverse.
)";

// The options Qt takes out of the command line itself, after one dash or
// two: whether a value follows, and whether it may also come as
// -name=value.
struct QtOption {
  std::string_view name;
  bool value, equals;
};
constexpr QtOption kQtOptions[] = {
    {"platform", true, false},      {"platformpluginpath", true, false}, {"platformtheme", true, false},
    {"plugin", true, false},        {"qwindowgeometry", true, false},    {"qwindowtitle", true, false},
    {"qwindowicon", true, false},   {"geometry", true, false},           {"title", true, false},
    {"icon", true, false},          {"session", true, false},            {"display", true, false},
    {"name", true, false},          {"visual", true, false},             {"style", true, true},
    {"stylesheet", true, true},     {"qmljsdebugger", true, true},       {"reverse", false, false},
    {"testability", false, false},  {"widgetcount", false, false},       {"nograb", false, false},
    {"dograb", false, false},       {"qdevel", false, false},            {"qdebug", false, false}};

int Refuse(const char* what, std::string_view arg) {
  std::fprintf(stderr, "vexalon: %s '%.*s'\nTry 'vexalon --help' for more information.\n", what,
               static_cast<int>(arg.size()), arg.data());
  return 2;
}

int Print(const char* text) { return std::fputs(text, stdout) < 0 || std::fflush(stdout) != 0 ? 1 : 0; }

// Read before Qt starts, so that --help and --version need no display:
// the status to end with, or -1 to play.
int ReadCommandLine(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    std::string_view arg = argv[i];
    if (arg == "-h" || arg == "--help") return Print(kHelp);
    if (arg == "--version") return Print("vexalon " VEXALON_VERSION "\n");
    if (arg.size() < 2 || arg[0] != '-') return Refuse("unexpected argument", arg);
    std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
    const QtOption* option = nullptr;
    for (const QtOption& known : kQtOptions)
      if (name == known.name || (known.equals && name.starts_with(std::string(known.name) + "="))) option = &known;
    if (!option) return Refuse("unknown option", arg);
    if (option->value && name == option->name && ++i == argc) return Refuse("a value is missing after", arg);
  }
  return -1;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (int status = ReadCommandLine(argc, argv); status >= 0) return status;
  vexalon::CatchCloseSignals();
  QApplication app(argc, argv);
  vexalon::LoadLanguage(app);
  QApplication::setApplicationName(QStringLiteral("Vexalon"));
  QApplication::setApplicationVersion(QStringLiteral(VEXALON_VERSION));
  // The desktop entry's id, so docks and window lists show the game's icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vexalon.Vexalon"));
  vexalon::GameWindow window;
  return vexalon::RunGame(app, window);
}
