#include "PlatformDialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

#include "GameState.h"

QString QtFileFilter(const QString& captionAndPatterns) {
  const QStringList parts = captionAndPatterns.split('|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns;
    for (const QString& pattern : parts[i + 1].split(';', Qt::SkipEmptyParts)) {
      patterns << pattern;
      if (pattern.toLower() != pattern) patterns << pattern.toLower();
    }
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(' '));
  }
  return filters.join(QStringLiteral(";;"));
}

PlatformDialogs PlatformDialogs::Standard() {
  PlatformDialogs dialogs;
  dialogs.information = [](QWidget* parent, const QString& text) {
    QMessageBox::information(parent, QString::fromUtf8(ProductTitle), text);
  };
  dialogs.warning = [](QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QString::fromUtf8(ProductTitle), text);
  };
  dialogs.openFile = [](QWidget* parent, const QString& title, const QString& folder,
                        const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, folder, QtFileFilter(filter));
  };
  dialogs.chooseColor = [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  };
  return dialogs;
}
