// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>

#include "DialogServices.h"
#include "Settings.h"

class QFrame;
class QLabel;
class QPushButton;
class SoundPlayer;

// "Change Sounds (WAV Files)": picks the wave files of the five sounds that
// play from files. Every change applies at once; there is nothing to undo.
class TSoundForm : public QDialog {
  Q_OBJECT

 public:
  TSoundForm(Settings& settings, SoundPlayer& player, std::string programDir,
             QWidget* parent = nullptr, DialogServices services = DialogServices::Standard());

  // "Change" of a row: runs the file dialog for that row's path.
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void Button5Click();
  // "Preview" of a row: plays the row's current path to its end.
  void Button6Click();
  void Button7Click();
  void Button8Click();
  void Button9Click();
  void Button10Click();
  // "Restore Default Sounds".
  void Button11Click();

  QFrame* Bevel1;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label4;
  QLabel* Label5;
  QPushButton* Button1;
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* Button5;
  QPushButton* Button6;
  QPushButton* Button7;
  QPushButton* Button8;
  QPushButton* Button9;
  QPushButton* Button10;
  QPushButton* Button11;
  QPushButton* BitBtn1;
  QPushButton* OKBtn;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ChangePath(std::string& path);
  // A row without a hint (empty) has no tooltip on its label.
  void BuildRow(int top, QLabel*& label, const QString& text, const QString& hint,
                QPushButton*& change, QPushButton*& preview);

  Settings& settings_;
  SoundPlayer& player_;
  std::string programDir_;
  DialogServices services_;
  QString initialFolder_;  // empty: the platform's default folder
};
