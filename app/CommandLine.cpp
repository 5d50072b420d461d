// SPDX-License-Identifier: GPL-3.0-or-later
#include "CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "GameState.h"
#include "SlotEnvironment.h"
#include "Translations.h"
#include "Version.h"

namespace {

// The options QGuiApplication, QApplication and the X11 plug-in take out of
// the command line themselves: known here too, so they reach them.
constexpr const char* QtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "title",         "name",
    "style",           "stylesheet",         "qmljsdebugger"};
constexpr const char* QtFlagOptions[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// The project's one-line description, written out so that it can be
// translated; the check keeps it the same as the project's.
constexpr const char* Summary = QT_TRANSLATE_NOOP(
    "CommandLine", "A three-wheel, five-payline slot machine played with play money");
static_assert(std::string_view(Summary) == std::string_view(ProjectSummary));

void AddQtOptions(QCommandLineParser& parser) {
  for (const char* name : QtOptionsWithValue) {
    QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
  for (const char* name : QtFlagOptions) {
    QCommandLineOption option(QString::fromLatin1(name));
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(option);
  }
}

void Print(std::FILE* stream, const QString& text) {
  std::fputs(text.toLocal8Bit().constData(), stream);
  std::fflush(stream);
}

}  // namespace

std::optional<int> AnswerCommandLine(int argc, char* argv[]) {
  // A core application reads the arguments without opening the display; it
  // is gone before the game's own application is made.
  // The usage names the program as a player types it, not by the path it
  // was started from; the copy leaves the game's own arguments as they are.
  std::vector<char*> arguments(argv, argv + argc);
  std::string name = argc > 0 ? std::filesystem::path(argv[0]).filename().string() : "";
  if (argc > 0) arguments[0] = name.data();
  int count = argc;
  QCoreApplication probe(count, arguments.data());
  QCoreApplication::setApplicationName(QString::fromUtf8(ProductTitle));
  QCoreApplication::setApplicationVersion(QString::fromUtf8(VersionText));
  // The usage and its errors in the player's language, Qt's parts included.
  InstallTranslations(ProgramDataDir(QCoreApplication::applicationDirPath()));

  QCommandLineParser parser;
  parser.setApplicationDescription(
      QCoreApplication::translate("CommandLine", Summary) + '\n' +
      QCoreApplication::translate(
          "CommandLine",
          "Qt's standard options, such as -style, -platform and -reverse, also apply."));
  // Qt's options are written with one dash: -style fusion, -reverse.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  // Not addHelpOption(): its --help-all lists Qt's own options, which the
  // game does not take.
  const QCommandLineOption help(
      {QStringLiteral("h"), QStringLiteral("help")},
      QCoreApplication::translate("CommandLine", "Displays help on commandline options."));
  parser.addOption(help);
  const QCommandLineOption version = parser.addVersionOption();
  AddQtOptions(parser);

  const bool understood = parser.parse(QCoreApplication::arguments());
  if (understood && parser.isSet(help)) {
    Print(stdout, parser.helpText());
    return 0;
  }
  if (understood && parser.isSet(version)) {
    Print(stdout, QCoreApplication::applicationName() + ' ' +
                      QCoreApplication::applicationVersion() + '\n');
    return 0;
  }
  // The game opens no files named on the command line.
  if (!understood || !parser.positionalArguments().isEmpty()) {
    const QString error =
        understood ? QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                         .arg(parser.positionalArguments().constFirst())
                   : parser.errorText();
    Print(stderr, error + QStringLiteral("\n\n") + parser.helpText());
    return 2;
  }
  return std::nullopt;
}
