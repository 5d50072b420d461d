// SPDX-License-Identifier: GPL-3.0-or-later
#include "Music.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include "DialogControls.h"
#include "DialogLook.h"
#include "FileReplace.h"
#include "HelpContexts.h"
#include "ProfileValues.h"
#include "SdlMusicPlayer.h"

QString SongNameOf(const QString& path) { return QFileInfo(path).fileName(); }

QString ShownSongName(const std::string& stored, int slot) {
  if (slot < 3 || stored != DefaultSongName(slot)) return QString::fromStdString(stored);
  //: The name of an empty row of the song dialog; %1 is its number, 4 to 8.
  return QCoreApplication::translate("TMusicForm", "MIDI Song #%1").arg(slot + 1);
}

std::string StoredSongName(const QString& shown, int slot) {
  if (shown == ShownSongName(DefaultSongName(slot), slot)) return DefaultSongName(slot);
  // Whole characters, as the settings file cuts them.
  return CutText(shown.toStdString(), SongNameCapacity);
}

TMusicForm::TMusicForm(Settings& settings, std::string programDir, QWidget* parent,
                       DialogServices services, std::unique_ptr<MediaPlayer> preview)
    : QDialog(parent),
      settings_(settings),
      programDir_(std::move(programDir)),
      services_(std::move(services)),
      preview_(preview ? std::move(preview) : std::make_unique<SdlMusicPlayer>()) {
  setObjectName("MusicForm");
  //: The window title; the stray bracket is part of the title the game has always had.
  setWindowTitle(tr("Change MIDI Files]"));
  SetUpFixedDialog(*this, QSize(427, 371), SoundHelpContext);

  Label1 = new QLabel(
      tr("You may include up to eight MIDI files which will be used as background music while "
         "you are playing this game."),
      this);
  Label1->setGeometry(0, 0, 427, 49);
  Label1->setWordWrap(true);
  Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  Label1->setContentsMargins(8, 0, 8, 0);

  for (int slot = 0; slot < SongSlots; ++slot) {
    const int top = 56 + 32 * slot;
    const auto n = static_cast<std::size_t>(slot);
    SongChecks[n] = new QCheckBox(ShownSongName(settings_.MIDIName[n], slot), this);
    SongChecks[n]->setGeometry(16, top, 209, 25);
    SongChecks[n]->setEnabled(false);
    //: A button that picks another song file for the row; & marks its access key.
    ChangeButtons[n] = MakeButton(this, tr("C&hange"), 240, top, 81, 25);
    //: A button that plays the row's song; & marks its access key.
    PreviewButtons[n] = MakeButton(this, tr("&Preview"), 336, top, 81, 25);
    // Eight buttons of each kind: a screen reader names the row each acts on.
    //: What a screen reader calls a row's Change button; %1 is the row, 1 to 8.
    ChangeButtons[n]->setAccessibleName(tr("Change song %1").arg(slot + 1));
    //: What a screen reader calls a row's Preview button; %1 is the row, 1 to 8.
    PreviewButtons[n]->setAccessibleName(tr("Preview song %1").arg(slot + 1));
    PreviewButtons[n]->setEnabled(false);
    for (QWidget* control :
         {static_cast<QWidget*>(SongChecks[n]), static_cast<QWidget*>(ChangeButtons[n]),
          static_cast<QWidget*>(PreviewButtons[n])})
      control->setProperty("tag", slot);
    connect(ChangeButtons[n], &QPushButton::clicked, this, [this, slot] { ChangeMIDI(slot); });
    connect(PreviewButtons[n], &QPushButton::clicked, this, [this, slot] { BitBtn3Click(slot); });
  }

  BitBtn1 = MakeButton(this, tr("&OK"), 296, 320, 121, 41);
  BitBtn1->setDefault(true);
  //: & marks the access key.
  BitBtn2 = MakeButton(this, tr("&Cancel"), 8, 320, 121, 41);
  connect(BitBtn1, &QPushButton::clicked, this, &TMusicForm::BitBtn1Click);
  connect(BitBtn2, &QPushButton::clicked, this, &TMusicForm::BitBtn2Click);
}

TMusicForm::~TMusicForm() {
  // Destroyed without being closed: close as Cancel does, undoing the paths.
  if (!closed_ && isVisible()) FormClose();
}

// Runs once per showing: a message box taking the focus and giving it back
// must not re-take SavedSongs, or "Cancel" could no longer undo a change.
void TMusicForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TMusicForm::FormActivate() {
  DialogAccepted = false;
  closed_ = false;
  initialFolder_ = QString::fromStdString(programDir_);
  for (QCheckBox* check : SongChecks) check->setChecked(false);
  SavedSongs = settings_.MIDISong;
  RefreshSongRows();
}

void TMusicForm::RefreshSongRows() {
  for (int slot = 0; slot < SongSlots; ++slot) {
    const auto n = static_cast<std::size_t>(slot);
    if (!settings_.MIDISong[n].empty()) {
      SongChecks[n]->setEnabled(true);
      ChangeButtons[n]->setEnabled(true);
      PreviewButtons[n]->setEnabled(true);
    }
    SongChecks[n]->setText(ShownSongName(settings_.MIDIName[n], slot));
    if (settings_.PlayList[n]) SongChecks[n]->setChecked(true);
  }
}

void TMusicForm::ChangeMIDI(int slot) {
  if (!services_.openFile) return;
  // The file dialog's filter: its name, then the patterns, which stay.
  //: The kind of file the song dialog lists.
  const QString filterName = tr("MIDI Sequencer");
  //: The title of the file dialog that picks a song file.
  const QString chosen = services_.openFile(this, tr("Open"), initialFolder_,
                                            QStringLiteral("%1|*.mid;*.rmi").arg(filterName));
  if (chosen.isEmpty()) return;
  const auto n = static_cast<std::size_t>(slot);
  settings_.MIDISong[n] = CutText(chosen.toStdString(), PathCapacity);
  initialFolder_ = QFileInfo(chosen).absolutePath();

  // The other rows keep what the player has done to them since the dialog
  // opened: a name chosen earlier and a check mark taken off stay as they are.
  std::array<QString, SongSlots> labels;
  std::array<bool, SongSlots> checks{};
  for (std::size_t i = 0; i < SongChecks.size(); ++i) {
    labels[i] = SongChecks[i]->text();
    checks[i] = SongChecks[i]->isChecked();
  }
  RefreshSongRows();
  for (std::size_t i = 0; i < SongChecks.size(); ++i) {
    if (i == n) continue;
    SongChecks[i]->setText(labels[i]);
    SongChecks[i]->setChecked(checks[i]);
  }
  SongChecks[n]->setChecked(true);
  SongChecks[n]->setText(SongNameOf(chosen));
}

void TMusicForm::BitBtn3Click(int slot) {
  preview_->Close();
  const std::string& path = settings_.MIDISong[static_cast<std::size_t>(slot)];
  if (FileExists(path)) {
    preview_->SetFileName(path);
    std::string error;
    if (!preview_->Open(error)) {
      if (services_.warning) services_.warning(this, QString::fromStdString(error));
      return;
    }
    preview_->Play();
    return;
  }
  if (services_.warning)
    services_.warning(this, tr("Could not find %1.  Please choose a valid MIDI file.")
                                .arg(SongNameOf(QString::fromStdString(path))));
  ChangeMIDI(slot);
}

void TMusicForm::BitBtn1Click() {
  DialogAccepted = true;
  accept();
}

void TMusicForm::BitBtn2Click() {
  DialogAccepted = false;
  reject();
}

// Every way of closing passes here: "&OK", "Cancel", Escape and the title bar.
void TMusicForm::done(int result) {
  if (!closed_) FormClose();
  QDialog::done(result);
}

void TMusicForm::FormClose() {
  closed_ = true;
  if (DialogAccepted) {
    CommitPlaylist();
    for (std::size_t n = 0; n < SongChecks.size(); ++n)
      settings_.MIDIName[n] = StoredSongName(SongChecks[n]->text(), static_cast<int>(n));
  } else {
    settings_.MIDISong = SavedSongs;
  }
  preview_->Close();
}

void TMusicForm::CommitPlaylist() {
  std::array<bool, SongSlots> flags{};
  for (std::size_t n = 0; n < SongChecks.size(); ++n)
    flags[n] = FileExists(settings_.MIDISong[n]) && SongChecks[n]->isChecked();
  settings_.PlayList = flags;
}

void TMusicForm::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_F1 && services_.help) {
    services_.help(SoundHelpContext);
    return;
  }
  QDialog::keyPressEvent(event);
}
