// SPDX-License-Identifier: GPL-3.0-or-later
#include "DialogServices.h"

#include <QInputDialog>
#include <QMessageBox>

#include "GameState.h"

DialogServices DialogServices::Standard(std::function<void(int context)> showHelp) {
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
  services.help = std::move(showHelp);
  return services;
}
