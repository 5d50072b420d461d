// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogServices.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QInputDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTimer>
#include <QTreeView>

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

void WidenForColumns(QFileDialog& dialog) {
  auto* view = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
  if (view == nullptr) return;  // the desktop's own dialog sizes itself
  QHeaderView* header = view->header();
  // Qt gives the columns after the name the width of English samples
  // ("mp3Folder"); a column is as wide as its heading and its entries.
  const auto fitColumns = [&dialog, view, header] {
    for (int column = 1; column < header->count(); ++column) view->resizeColumnToContents(column);
    const int missing = header->length() - view->viewport()->width();
    if (missing <= 0) return;
    dialog.resize(dialog.width() + missing, dialog.height());
    // Laid out at once, so that the next folder's entries measure the new width.
    if (dialog.layout() != nullptr) dialog.layout()->activate();
  };
  // Once the dialog is laid out, and again as each folder's entries arrive.
  QTimer::singleShot(0, &dialog, fitColumns);
  if (auto* model = qobject_cast<QFileSystemModel*>(view->model()))
    QObject::connect(model, &QFileSystemModel::directoryLoaded, &dialog, fitColumns);
}

void KeepQtSettingsOutOfConfigFolder() {
  // Qt's file and colour dialogs save their history and custom colours in
  // "QtProject.conf" in the player's config folder. The game writes nothing
  // there but its own settings file, so Qt's per-user settings are pointed
  // below the program's own file, where no folder can be made, not even by
  // the super-user. The dialogs then start afresh every time.
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
  services.askText = [](QWidget* parent, const QString& question,
                        const QString& initial) -> std::optional<QString> {
    QInputDialog prompt(parent);
    prompt.setWindowTitle(QString::fromUtf8(ProductTitle));
    prompt.setLabelText(question);
    prompt.setTextValue(initial);
    if (auto* field = prompt.findChild<QLineEdit*>()) field->setAccessibleName(question);
    if (prompt.exec() != QDialog::Accepted) return std::nullopt;
    return prompt.textValue();
  };
  services.openFile = [](QWidget* parent, const QString& title, const QString& folder,
                         const QString& filter) {
    QFileDialog dialog(parent, title, folder, QtFileFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFile);
    WidenForColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
  };
  services.saveFile = [](QWidget* parent, const QString& title, const QString& name,
                         const QString& types) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    QFileDialog dialog(parent, title, QDir(folder).filePath(name), QtFileFilter(types));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The suffix of the type chosen, unless the player typed one.
    const auto suffix = [&dialog] {
      const QString filter = dialog.selectedNameFilter();
      const qsizetype dot = filter.indexOf(QStringLiteral("*."));
      return dot < 0 ? QString() : filter.mid(dot + 2).section(u' ', 0, 0).section(u')', 0, 0);
    };
    dialog.setDefaultSuffix(suffix());
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, suffix] { dialog.setDefaultSuffix(suffix()); });
    WidenForColumns(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
  };
  services.chooseColor = [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  };
  services.help = [](int) {};
  return services;
}
