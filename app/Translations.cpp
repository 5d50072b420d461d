// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

namespace {

QString& LoadedLanguage() {
  static QString language;
  return language;
}

// The catalog in use under each name; the application owns it.
QPointer<QTranslator>& Catalog(const QString& name) {
  static QHash<QString, QPointer<QTranslator>> catalogs;
  return catalogs[name];
}

void Remove(const QString& name) { delete Catalog(name).data(); }

// Tries the locale's languages in their order of preference, each from the
// most to the least specific name (de_AT, then de).
bool Install(const QString& name, const QLocale& locale, const QString& folder) {
  Remove(name);
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(locale, name, QStringLiteral("_"), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  Catalog(name) = translator;
  return true;
}

// Qt 6 asks for the names its file dialog gives a folder and a drive under
// a context of their own, which some of Qt's catalogs (the French one among
// them) do not have yet: they hold these names under QFileDialog only. The
// game's catalogs carry them; Qt's own, installed after, still come first.
[[maybe_unused]] constexpr const char* FileDialogTypeNames[] = {
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Folder"),
    QT_TRANSLATE_NOOP("QAbstractFileIconProvider", "Drive")};

}  // namespace

void InstallTranslations(const QString& programDir) {
  InstallTranslations(programDir, QLocale::system());
}

void InstallTranslations(const QString& programDir, const QLocale& locale) {
  const QString game = QStringLiteral("voltaro");
  const QString qt = QStringLiteral("qtbase");
  LoadedLanguage().clear();
  Remove(qt);
  const QString folder = programDir + QStringLiteral("translations");
  // English, the sources' own language, has a catalog of its plural forms
  // only; a player whose language the game does not speak reads English.
  if (!Install(game, locale, folder)) {
    Install(game, QLocale(QLocale::English), folder);
    return;
  }
  // Qt's own texts follow the game's language, not the first one the player
  // listed: a player whose first language the game does not speak reads one
  // language throughout rather than English boxes with buttons in another.
  const QString language = Catalog(game)->language();
  if (language.startsWith(QStringLiteral("en"))) return;
  LoadedLanguage() = language.section(u'_', 0, 0);
  Install(qt, QLocale(language), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

QString GameLanguage() { return LoadedLanguage(); }

QString HelpFileInLanguage(const QString& programDir, const QString& fileName,
                           const QString& language) {
  if (language.isEmpty()) return fileName;
  const qsizetype dot = fileName.lastIndexOf(u'.');
  const QString translated = fileName.left(dot) + u'.' + language + fileName.mid(dot);
  return QFileInfo(programDir + translated).isFile() ? translated : fileName;
}
