// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "AudioTestFiles.h"
#include "FakeMediaPlayer.h"
#include "Music.h"

namespace {

class MusicFormTest : public testing::Test {
 protected:
  void SetUp() override {
    for (int n = 0; n < 3; ++n) folder.WriteBytes("VOLTA" + std::to_string(n) + ".MID", "MThd");
    settings = DefaultSettings(folder.Dir());
    settings.PlayList = {};  // a first start reads no selection
  }

  // Opens the dialog the way the main window does, with its answers wired.
  std::unique_ptr<TMusicForm> Open() {
    DialogServices hooks;
    hooks.openFile = [this](QWidget*, const QString&, const QString& initialFolder,
                            const QString& filter) {
      events.push_back("choose " + filter.toStdString() + " in " + initialFolder.toStdString());
      QString next;
      if (!answers.empty()) {
        next = answers.front();
        answers.erase(answers.begin());
      }
      return next;
    };
    hooks.warning = [this](QWidget*, const QString& text) {
      events.push_back("warn " + text.toStdString());
    };
    hooks.help = [this](int context) { events.push_back("help " + std::to_string(context)); };
    auto preview = std::make_unique<FakeMediaPlayer>();
    previewPlayer = preview.get();
    auto form =
        std::make_unique<TMusicForm>(settings, folder.Dir(), nullptr, hooks, std::move(preview));
    form->show();
    return form;
  }

  ScratchFolder folder;
  Settings settings;
  std::vector<QString> answers;
  std::vector<std::string> events;
  FakeMediaPlayer* previewPlayer = nullptr;
};

TEST_F(MusicFormTest, LayoutAndTheRowsOfAFirstStart) {
  auto form = Open();
  EXPECT_EQ(form->windowTitle(), "Change MIDI Files]");
  EXPECT_EQ(form->size(), QSize(427, 371));
  EXPECT_EQ(form->Label1->text(),
            "You may include up to eight MIDI files which will be used as background music while "
            "you are playing this game.");
  EXPECT_EQ(form->Label1->geometry(), QRect(0, 0, 427, 49));
  EXPECT_EQ(form->BitBtn1->text(), "&OK");
  EXPECT_EQ(form->BitBtn1->geometry(), QRect(296, 320, 121, 41));
  EXPECT_TRUE(form->BitBtn1->isDefault());
  EXPECT_EQ(form->BitBtn2->text(), "Cancel");
  EXPECT_EQ(form->BitBtn2->geometry(), QRect(8, 320, 121, 41));

  for (std::size_t n = 0; n < SongSlots; ++n) {
    const int top = 56 + 32 * static_cast<int>(n);
    const bool shipped = n < 3;
    const QString name =
        shipped ? QString("VOLTA%1.MID").arg(n) : QString("MIDI Song #%1").arg(n + 1);
    EXPECT_EQ(form->SongChecks[n]->geometry(), QRect(16, top, 209, 25));
    EXPECT_EQ(form->ChangeButtons[n]->geometry(), QRect(240, top, 81, 25));
    EXPECT_EQ(form->PreviewButtons[n]->geometry(), QRect(336, top, 81, 25));
    EXPECT_EQ(form->SongChecks[n]->text(), name);
    EXPECT_FALSE(form->SongChecks[n]->isChecked());
    EXPECT_EQ(form->SongChecks[n]->isEnabled(), shipped) << "row " << n + 1;
    EXPECT_EQ(form->PreviewButtons[n]->isEnabled(), shipped) << "row " << n + 1;
    EXPECT_TRUE(form->ChangeButtons[n]->isEnabled());
  }
}

// Song names are cut by characters as the player sees them, the way the
// settings file cuts them, so the name shown is the name kept.
TEST_F(MusicFormTest, SongNamesAreCutByCharacters) {
  const QString accented =
      QString::fromStdString(folder.WriteBytes("\xC3\xBC"
                                               "berlied1.mid",
                                               "MThd"));
  QString symbols;
  for (int i = 0; i < 13; ++i) symbols += QString::fromUcs4(U"\U0001F3B0");
  const QString pictured = QString::fromStdString(folder.WriteBytes(symbols.toStdString(), "MThd"));
  answers = {accented, pictured};
  auto form = Open();
  form->ChangeButtons[5]->click();
  form->ChangeButtons[6]->click();
  form->BitBtn1->click();
  EXPECT_EQ(settings.MIDIName[5],
            "\xC3\xBC"
            "berlied1.mi");
  EXPECT_EQ(QString::fromStdString(settings.MIDIName[6]), symbols.left(24));
}

TEST_F(MusicFormTest, CancelRestoresTheSongsAndOkKeepsNamesOfTwelveCharacters) {
  const Settings before = settings;
  const QString mySong = QString::fromStdString(folder.WriteBytes("MySong123.mid", "MThd"));
  answers = {mySong};
  auto form = Open();
  form->ChangeButtons[4]->click();
  EXPECT_EQ(settings.MIDISong[4], mySong.toStdString()) << "the table changes at once";
  EXPECT_TRUE(form->SongChecks[4]->isChecked());
  EXPECT_TRUE(form->PreviewButtons[4]->isEnabled());
  EXPECT_EQ(form->SongChecks[4]->text(), "MySong123.mid");
  form->BitBtn2->click();
  EXPECT_EQ(settings.MIDISong, before.MIDISong);
  EXPECT_EQ(settings.MIDIName, before.MIDIName);
  EXPECT_EQ(settings.PlayList, before.PlayList);
  EXPECT_EQ(events,
            std::vector<std::string>{"choose MIDI Sequencer|*.mid;*.rmi in " + folder.Dir()});

  answers = {mySong};
  form = Open();
  form->ChangeButtons[4]->click();
  form->BitBtn1->click();
  EXPECT_EQ(settings.MIDISong[4], mySong.toStdString());
  EXPECT_EQ(settings.MIDIName[4], "MySong123.mi");
  EXPECT_TRUE(settings.PlayList[4]);
  EXPECT_EQ(settings.MIDIName[0], "VOLTA0.MID");
  EXPECT_FALSE(settings.PlayList[0]);
}

TEST_F(MusicFormTest, AMissingFileIsDeselectedOnOk) {
  settings.PlayList[1] = true;
  auto form = Open();
  EXPECT_TRUE(form->SongChecks[1]->isChecked());
  std::remove(settings.MIDISong[1].c_str());
  form->BitBtn1->click();
  EXPECT_FALSE(settings.PlayList[1]);
  form = Open();
  EXPECT_FALSE(form->SongChecks[1]->isChecked());
}

TEST_F(MusicFormTest, PreviewPlaysTheRowOrAsksForAnotherFile) {
  auto form = Open();
  form->PreviewButtons[2]->click();
  EXPECT_EQ(previewPlayer->played, std::vector<std::string>{settings.MIDISong[2]});
  EXPECT_TRUE(previewPlayer->playing);

  const Settings before = settings;
  const QString first = QString::fromStdString(folder.WriteBytes("first.mid", "MThd"));
  const QString second = QString::fromStdString(folder.WriteBytes("second.mid", "MThd"));
  answers = {first, second};
  form->ChangeButtons[6]->click();
  std::remove(settings.MIDISong[0].c_str());
  form->PreviewButtons[0]->click();
  EXPECT_FALSE(previewPlayer->playing) << "a new preview ends the one before";
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[1], "warn Could not find VOLTA0.MID.  Please choose a valid MIDI file.");
  EXPECT_EQ(events[2], "choose MIDI Sequencer|*.mid;*.rmi in " +
                           folder.Dir().substr(0, folder.Dir().size() - 1));
  EXPECT_EQ(settings.MIDISong[0], second.toStdString());

  // The message box took the focus and gave it back; Cancel still undoes everything.
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(form.get(), &activation);
  EXPECT_EQ(form->SongChecks[0]->text(), "second.mid");
  form->BitBtn2->click();
  EXPECT_EQ(settings.MIDISong, before.MIDISong);
  EXPECT_FALSE(previewPlayer->open) << "closing the dialog ends the preview";
}

TEST_F(MusicFormTest, ChangingARowKeepsWhatWasDoneToTheOthers) {
  settings.PlayList[0] = true;
  const QString a = QString::fromStdString(folder.WriteBytes("a.mid", "MThd"));
  const QString b = QString::fromStdString(folder.WriteBytes("b.mid", "MThd"));
  answers = {a, b};
  auto form = Open();
  form->SongChecks[0]->setChecked(false);
  form->ChangeButtons[3]->click();
  form->ChangeButtons[5]->click();
  EXPECT_FALSE(form->SongChecks[0]->isChecked());
  EXPECT_EQ(form->SongChecks[3]->text(), "a.mid");
  form->BitBtn1->click();
  EXPECT_EQ(settings.MIDIName[3], "a.mid");
  EXPECT_EQ(settings.MIDIName[5], "b.mid");
  EXPECT_TRUE(settings.PlayList[3]);
  EXPECT_TRUE(settings.PlayList[5]);
  EXPECT_FALSE(settings.PlayList[0]);
}

TEST_F(MusicFormTest, ClosingByTheTitleBarIsACancel) {
  const Settings before = settings;
  answers = {QString::fromStdString(folder.WriteBytes("x.mid", "MThd"))};
  auto form = Open();
  form->ChangeButtons[7]->click();
  form->close();
  EXPECT_EQ(settings.MIDISong, before.MIDISong);
  EXPECT_FALSE(form->DialogAccepted);
}

}  // namespace
