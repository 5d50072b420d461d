// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>
#include <memory>
#include <string>

#include "DialogServices.h"
#include "MediaPlayer.h"
#include "Settings.h"

class QCheckBox;
class QLabel;
class QPushButton;

// "Change MIDI Files]": the eight song slots of the background music.
// Changes to the paths apply at once and are undone unless closed with "&OK".
class TMusicForm : public QDialog {
  Q_OBJECT

 public:
  // preview is the dialog's own player (MediaPlayer2); when null it plays on
  // the shared music stream.
  TMusicForm(Settings& settings, std::string programDir, QWidget* parent = nullptr,
             DialogServices services = DialogServices::Standard(),
             std::unique_ptr<MediaPlayer> preview = {});
  ~TMusicForm() override;

  void FormActivate();
  void RefreshSongRows();
  void ChangeMIDI(int slot);
  void BitBtn3Click(int slot);  // "Preview"
  void BitBtn1Click();          // "&OK"
  void BitBtn2Click();          // "Cancel"
  void FormClose();
  void CommitPlaylist();

  QLabel* Label1;
  std::array<QCheckBox*, SongSlots> SongChecks{};
  std::array<QPushButton*, SongSlots> ChangeButtons{};
  std::array<QPushButton*, SongSlots> PreviewButtons{};
  QPushButton* BitBtn1;  // "&OK"
  QPushButton* BitBtn2;  // "Cancel"

  bool DialogAccepted = false;
  std::array<std::string, SongSlots> SavedSongs;

 public slots:
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Settings& settings_;
  std::string programDir_;
  DialogServices services_;
  std::unique_ptr<MediaPlayer> preview_;
  QString initialFolder_;
  bool closed_ = false;
};

// A song's name as the dialog's rows show it and the settings store it.
QString SongNameOf(const QString& path);

// The name a row shows for the stored name: an empty row's "MIDI Song #4"
// is translated, any other name shown as it is. StoredSongName turns a
// shown name back, so the file never holds a translated default.
QString ShownSongName(const std::string& stored, int slot);
std::string StoredSongName(const QString& shown, int slot);
