// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogServices.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStringList>

#include "GameState.h"

QString WaitForWheelsMessage() {
  return QCoreApplication::translate("DialogServices", WaitForWheelsText);
}

QString QtFileFilter(const QString& captionAndPatterns) {
  const QStringList parts = captionAndPatterns.split('|');
  if (parts.size() < 2) return captionAndPatterns;
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
      const QString trimmed = pattern.trimmed();
      for (const QString& spelling : {trimmed, trimmed.toLower(), trimmed.toUpper()})
        if (!patterns.contains(spelling)) patterns << spelling;
    }
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(' '));
  }
  return filters.join(QStringLiteral(";;"));
}

void KeepQtSettingsOutOfConfigFolder() {
  // Qt's file and colour dialogs keep their history and custom colours in a
  // settings file of Qt's own, "QtProject.conf" in the player's config folder.
  // The game keeps nothing there but its own settings file, so Qt's per-user
  // settings go below the program's own file, where no folder can be made,
  // not even by the super-user. The dialogs then start afresh every time.
  QString nowhere = QCoreApplication::applicationFilePath();
  if (nowhere.isEmpty()) nowhere = QStringLiteral("/proc/self/exe");
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, nowhere);
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, nowhere);
}

DialogServices DialogServices::Standard() {
  KeepQtSettingsOutOfConfigFolder();
  DialogServices services;
  services.information = [](QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QString::fromUtf8(ProductTitle), text);
  };
  services.warning = [](QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QString::fromUtf8(ProductTitle), text);
  };
  services.askText = [](QWidget* parent, const QString& title,
                        const QString& initial) -> std::optional<QString> {
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, title, QString(), QLineEdit::Normal, initial, &ok);
    if (!ok) return std::nullopt;
    return text;
  };
  services.openFile = [](QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, QtFileFilter(filter));
  };
  services.chooseColor = [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  };
  services.help = [](int) {};
  return services;
}
