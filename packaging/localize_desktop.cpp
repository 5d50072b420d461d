// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the installed desktop entry and metainfo: the configured English
// files with each language's texts after the English ones,
//   voltaro_localize_desktop <entry> <metainfo> <entry out> <metainfo out> [voltaro_LANG.qm...]
// Languages follow in the order of their codes. No file is written, and the
// build stops, when a .qm lacks a text of DesktopTexts.cpp or a translatable
// text of the files is not listed there: a launcher would show English.

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>
#include <array>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <span>
#include <utility>

#include "DesktopTexts.h"

namespace {

// The desktop entry's keys a player reads.
const QStringList EntryKeys{"Name", "GenericName", "Comment", "Keywords"};

// The metainfo's elements a player reads, by their path from the root; the
// release notes stay English.
bool Translatable(const QStringList& path) {
  static const QStringList paths{
      "component/summary",
      "component/description/p",
      "component/description/ul/li",
      "component/description/ol/li",
      "component/screenshots/screenshot/caption",
  };
  return paths.contains(path.join('/'));
}

// A translated value on one desktop entry line.
QString DesktopValue(QString text) {
  return text.replace('\\', "\\\\").replace('\n', "\\n").replace('\t', "\\t").replace('\r', "\\r");
}

QString Quoted(const QString& text) { return '"' + text + '"'; }

class Localizer {
 public:
  void AddLanguage(const QString& qm_file) {
    static const QRegularExpression name("^voltaro_([a-z]{2,3}(_[A-Z]{2})?)\\.qm$");
    const QRegularExpressionMatch match = name.match(QFileInfo(qm_file).fileName());
    auto translator = std::make_unique<QTranslator>();
    if (!match.hasMatch()) {
      errors_ << qm_file + " is not named voltaro_<language>.qm";
    } else if (!translator->load(qm_file)) {
      errors_ << "cannot read " + qm_file;
    } else if (!languages_.try_emplace(match.captured(1), qm_file, std::move(translator)).second) {
      errors_ << "two files for the language " + match.captured(1);
    }
  }

  // Every listed text in every language.
  void CheckTranslations() {
    for (const auto& [code, language] : languages_) {
      for (const auto& [context, sources] : Lists()) {
        for (const char* source : sources) {
          if (language.translator->translate(context, source).isEmpty()) {
            errors_ << QString("no %1 translation of %2 (%3) in %4")
                           .arg(code, Quoted(source), context, language.file);
          }
        }
      }
    }
  }

  QString Entry(const QString& english) {
    QStringList lines;
    for (const QString& line : english.split('\n')) {
      lines << line;
      const qsizetype equals = line.indexOf('=');
      const QString key = line.left(equals).trimmed();
      if (line.startsWith('#') || equals < 0 || !EntryKeys.contains(key)) continue;
      const QString value = line.mid(equals + 1).trimmed();
      const char* source = Listed(desktop_texts::EntryContext, desktop_texts::EntryTexts(), value);
      if (source == nullptr) {
        errors_ << QString("the desktop entry's %1 %2 is not listed in packaging/DesktopTexts.cpp")
                       .arg(key, Quoted(value));
        continue;
      }
      for (const auto& [code, language] : languages_) {
        QString translation = language.translator->translate(desktop_texts::EntryContext, source);
        // A list ends with its separator; a translator may leave it off.
        if (key == "Keywords" && !translation.endsWith(';')) translation += ';';
        lines << key + '[' + code + "]=" + DesktopValue(translation);
      }
    }
    return lines.join('\n');
  }

  // Each translation follows its English element on a line of its own,
  // indented alike.
  QString Metainfo(const QString& english) {
    QXmlStreamReader reader(english);
    QStringList path;
    QString localized;
    qsizetype copied = 0;
    while (!reader.atEnd() && !reader.hasError()) {
      reader.readNext();
      if (reader.isEndElement()) path.removeLast();
      if (!reader.isStartElement()) continue;
      path << reader.name().toString();
      if (!Translatable(path) || reader.attributes().hasAttribute("xml:lang")) continue;
      const QString tag = reader.qualifiedName().toString();
      const qsizetype tag_start = english.lastIndexOf('<', reader.characterOffset() - 1);
      const QString text = reader.readElementText().simplified();
      if (reader.hasError()) break;
      path.removeLast();
      const char* source =
          Listed(desktop_texts::MetainfoContext, desktop_texts::MetainfoTexts(), text);
      if (source == nullptr) {
        errors_ << QString("the metainfo's <%1> %2 is not listed in packaging/DesktopTexts.cpp")
                       .arg(tag, Quoted(text));
        continue;
      }
      const qsizetype line_start = english.lastIndexOf('\n', tag_start) + 1;
      const QString indent = english.mid(line_start, tag_start - line_start);
      const QString before = indent.trimmed().isEmpty() ? '\n' + indent : QString();
      const qsizetype end = reader.characterOffset();
      localized += english.mid(copied, end - copied);
      copied = end;
      for (const auto& [code, language] : languages_) {
        const QString translation =
            language.translator->translate(desktop_texts::MetainfoContext, source);
        localized += QString("%1<%2 xml:lang=\"%3\">%4</%2>")
                         .arg(before, tag, code, translation.toHtmlEscaped());
      }
    }
    if (reader.hasError()) {
      errors_ << QString("the metainfo, line %1: %2")
                     .arg(reader.lineNumber())
                     .arg(reader.errorString());
    }
    return localized + english.mid(copied);
  }

  // A listed text neither file has any more would be translated for nothing.
  void CheckAllUsed() {
    for (const auto& [context, sources] : Lists()) {
      for (const char* source : sources) {
        if (!used_.contains({context, source})) {
          errors_ << QString("packaging/DesktopTexts.cpp lists %1 (%2), which no file has")
                         .arg(Quoted(source), context);
        }
      }
    }
  }

  const QStringList& Errors() const { return errors_; }

 private:
  struct Language {
    QString file;
    std::unique_ptr<QTranslator> translator;
  };

  struct Texts {
    const char* context;
    std::span<const char* const> sources;
  };
  static std::array<Texts, 2> Lists() {
    return {{{desktop_texts::EntryContext, desktop_texts::EntryTexts()},
             {desktop_texts::MetainfoContext, desktop_texts::MetainfoTexts()}}};
  }

  const char* Listed(const char* context, std::span<const char* const> sources,
                     const QString& text) {
    for (const char* source : sources) {
      if (text == QLatin1String(source)) {
        used_.emplace(context, source);
        return source;
      }
    }
    return nullptr;
  }

  std::map<QString, Language> languages_;
  // By context too: the compiler may merge the same text of both lists.
  std::set<std::pair<const char*, const char*>> used_;
  QStringList errors_;
};

bool Read(const QString& file_name, QString& text) {
  QFile file(file_name);
  if (!file.open(QIODevice::ReadOnly)) return false;
  text = QString::fromUtf8(file.readAll());
  return true;
}

bool Write(const QString& file_name, const QString& text) {
  QSaveFile file(file_name);
  return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::fprintf(stderr,
                 "usage: voltaro_localize_desktop <entry> <metainfo> <entry out> <metainfo out> "
                 "[voltaro_LANG.qm...]\n");
    return 2;
  }
  Localizer localizer;
  for (int i = 5; i < argc; ++i) localizer.AddLanguage(QFile::decodeName(argv[i]));
  localizer.CheckTranslations();
  QString entry;
  QString metainfo;
  if (!Read(QFile::decodeName(argv[1]), entry) || !Read(QFile::decodeName(argv[2]), metainfo)) {
    std::fprintf(stderr, "voltaro_localize_desktop: cannot read %s or %s\n", argv[1], argv[2]);
    return 1;
  }
  entry = localizer.Entry(entry);
  metainfo = localizer.Metainfo(metainfo);
  localizer.CheckAllUsed();
  for (const QString& error : localizer.Errors()) {
    std::fprintf(stderr, "voltaro_localize_desktop: %s\n", qPrintable(error));
  }
  if (!localizer.Errors().isEmpty()) {
    // Nor is an earlier run's output left for an install to take.
    QFile::remove(QFile::decodeName(argv[3]));
    QFile::remove(QFile::decodeName(argv[4]));
    return 1;
  }
  for (const auto& [file, text] : {std::pair{argv[3], entry}, std::pair{argv[4], metainfo}}) {
    if (!Write(QFile::decodeName(file), text)) {
      std::fprintf(stderr, "voltaro_localize_desktop: cannot write %s\n", file);
      return 1;
    }
  }
  return 0;
}
