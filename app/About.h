// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The about box: the icon, the product title, the version and the program's
// description, with one button to close it.
class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* VersionLabel;
  QLabel* Version;
  QPlainTextEdit* Comments;
  QPushButton* OKButton;

 protected:
  // The texts are filled in when the box is shown.
  void showEvent(QShowEvent* event) override;
};
