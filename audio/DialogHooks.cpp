// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogHooks.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

QString ToQtNameFilter(const QString& filter) {
  const QStringList parts = filter.split('|');
  if (parts.size() < 2) return filter;
  QStringList patterns;
  for (const QString& pattern : parts[1].split(';', Qt::SkipEmptyParts)) {
    const QString trimmed = pattern.trimmed();
    if (!patterns.contains(trimmed)) patterns << trimmed;
    if (!patterns.contains(trimmed.toLower())) patterns << trimmed.toLower();
    if (!patterns.contains(trimmed.toUpper())) patterns << trimmed.toUpper();
  }
  return parts[0] + " (" + patterns.join(' ') + ")";
}

DialogHooks PlatformDialogHooks() {
  DialogHooks hooks;
  hooks.chooseFile = [](QWidget* parent, const QString& filter, const QString& initialFolder) {
    QFileDialog dialog(parent, "Open", initialFolder, ToQtNameFilter(filter));
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The file name is typed into a plain edit field, as in the classic dialog.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
  };
  hooks.showWarning = [](QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, "Voltaro Slots", text, QMessageBox::Ok);
  };
  hooks.showHelp = [](int) {};
  return hooks;
}
