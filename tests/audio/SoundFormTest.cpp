// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "AudioTestFiles.h"
#include "SoundPlayer.h"
#include "Sounds.h"

namespace {

class SoundFormTest : public testing::Test {
 protected:
  SoundFormTest() {
    hooks.openFile = [this](QWidget*, const QString&, const QString& initialFolder,
                            const QString& filter) {
      filters.push_back(filter);
      folders.push_back(initialFolder);
      return answer;
    };
    hooks.warning = [](QWidget*, const QString& text) { ADD_FAILURE() << text.toStdString(); };
    hooks.help = [this](int context) { helpContexts.push_back(context); };
    player.SetObserver([this](const SoundStart& start) { started.push_back(start); });
  }

  ScratchFolder folder;
  Settings settings = DefaultSettings(folder.Dir());
  SoundPlayer player{settings};
  DialogServices hooks;
  QString answer;
  std::vector<QString> filters;
  std::vector<QString> folders;
  std::vector<int> helpContexts;
  std::vector<SoundStart> started;
};

TEST_F(SoundFormTest, LayoutTextsAndHints) {
  TSoundForm form(settings, player, folder.Dir(), nullptr, hooks);
  EXPECT_EQ(form.windowTitle(), "Change Sounds (WAV Files)");
  EXPECT_EQ(form.size(), QSize(394, 397));
  EXPECT_EQ(form.Bevel1->geometry(), QRect(8, 16, 377, 337));

  struct Row {
    QLabel* label;
    QString text;
    QString hint;
    QPushButton* change;
    QPushButton* preview;
    int top;
  };
  const Row rows[] = {
      {form.Label1,
       "Bonus Sound:", "This is the sound that plays when you get the Power Meter to 100%.",
       form.Button1, form.Button6, 24},
      {form.Label3, "Count Down Sound",
       "This is the sound which plays when you get a Power Drain symbol on the screen",
       form.Button3, form.Button8, 72},
      {form.Label4, "Count Up Sound", "", form.Button4, form.Button9, 120},
      {form.Label2, "Lose Sound:", "This is a sound which plays on a losing spin.", form.Button2,
       form.Button7, 168},
      {form.Label5, "Win Sound:", "This is a sound which plays on a winning spin.", form.Button5,
       form.Button10, 216},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(row.label->text(), row.text);
    EXPECT_EQ(row.label->toolTip(), row.hint);
    EXPECT_EQ(row.label->pos(), QPoint(16, row.top));
    EXPECT_TRUE(row.label->font().bold());
    EXPECT_EQ(row.change->text(), "Change");
    EXPECT_EQ(row.change->geometry(), QRect(176, row.top, 81, 25));
    EXPECT_EQ(row.change->toolTip(),
              "Click this button to browse your hard drive for a sound for this event.");
    EXPECT_EQ(row.preview->text(), "Preview");
    EXPECT_EQ(row.preview->geometry(), QRect(288, row.top, 81, 25));
    EXPECT_EQ(row.preview->toolTip(),
              "Click this button to play the currently selected sound file.");
  }
  EXPECT_EQ(form.Button11->text(), "Restore Default Sounds");
  EXPECT_EQ(form.Button11->geometry(), QRect(16, 304, 353, 33));
  EXPECT_EQ(form.Button11->toolTip(),
            "Click this button to use the default (original) sounds for the above events.");
  EXPECT_EQ(form.BitBtn1->geometry(), QRect(16, 364, 153, 27));
  EXPECT_EQ(form.OKBtn->text(), "&OK");
  EXPECT_EQ(form.OKBtn->geometry(), QRect(224, 364, 153, 27));
  EXPECT_TRUE(form.OKBtn->isDefault());

  form.BitBtn1->click();
  EXPECT_EQ(helpContexts, std::vector<int>{41011});
}

TEST_F(SoundFormTest, ChangeSetsTheRowsPathAndRemembersTheFolder) {
  TSoundForm form(settings, player, folder.Dir(), nullptr, hooks);
  const Settings before = settings;
  form.Button5->click();  // cancelled
  EXPECT_EQ(settings.WinSound, before.WinSound);

  answer = "/music/effects/cheer.wav";
  form.Button5->click();
  EXPECT_EQ(settings.WinSound, "/music/effects/cheer.wav");
  answer = "/other/sad.wav";
  form.Button2->click();
  EXPECT_EQ(settings.LoseSound, "/other/sad.wav");
  answer = "/x/count-down.wav";
  form.Button3->click();
  answer = "/x/count-up.wav";
  form.Button4->click();
  answer = "/x/bonus.wav";
  form.Button1->click();
  EXPECT_EQ(settings.PowerDownSound, "/x/count-down.wav");
  EXPECT_EQ(settings.PowerUpSound, "/x/count-up.wav");
  EXPECT_EQ(settings.BonusSound, "/x/bonus.wav");

  ASSERT_EQ(folders.size(), 6u);
  EXPECT_EQ(folders[0], "") << "the first Change starts in the platform's folder";
  EXPECT_EQ(folders[1], "");
  EXPECT_EQ(folders[2], "/music/effects");
  EXPECT_EQ(folders[3], "/other");
  for (const QString& filter : filters) EXPECT_EQ(filter, "Wav Files|*.WAV");

  answer = "/" + QString(300, 'a') + ".wav";
  form.Button5->click();
  EXPECT_EQ(settings.WinSound.size(), PathCapacity);

  form.Button11->click();
  const Settings defaults = DefaultSettings(folder.Dir());
  EXPECT_EQ(settings.WinSound, defaults.WinSound);
  EXPECT_EQ(settings.LoseSound, defaults.LoseSound);
  EXPECT_EQ(settings.PowerUpSound, defaults.PowerUpSound);
  EXPECT_EQ(settings.PowerDownSound, defaults.PowerDownSound);
  EXPECT_EQ(settings.BonusSound, defaults.BonusSound);
}

TEST_F(SoundFormTest, PreviewPlaysEachRowsCurrentFileEvenWithSoundOff) {
  settings.Sound = false;
  settings.WinSound = folder.WriteWave("w.wav", 30);
  settings.LoseSound = folder.WriteWave("l.wav", 30);
  settings.PowerUpSound = folder.WriteWave("u.wav", 30);
  settings.PowerDownSound = folder.WriteWave("d.wav", 30);
  settings.BonusSound = folder.WriteWave("b.wav", 30);
  TSoundForm form(settings, player, folder.Dir(), nullptr, hooks);
  for (QPushButton* preview :
       {form.Button6, form.Button7, form.Button8, form.Button9, form.Button10})
    preview->click();
  std::vector<std::string> names;
  for (const SoundStart& start : started) {
    EXPECT_TRUE(start.synchronous);
    names.push_back(start.name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{settings.BonusSound, settings.LoseSound,
                                             settings.PowerDownSound, settings.PowerUpSound,
                                             settings.WinSound}));
}

TEST(QtFileFilter, MatchesBothCases) {
  EXPECT_EQ(QtFileFilter("Wav Files|*.WAV"), "Wav Files (*.WAV *.wav)");
  EXPECT_EQ(QtFileFilter("MIDI Sequencer|*.mid;*.rmi"), "MIDI Sequencer (*.mid *.MID *.rmi *.RMI)");
  // Every caption and pattern pair of the filter, each pattern once.
  EXPECT_EQ(QtFileFilter("Bitmaps|*.BMP|All files|*.*"), "Bitmaps (*.BMP *.bmp);;All files (*.*)");
  EXPECT_EQ(QtFileFilter("Songs|*.Mid; *.mid"), "Songs (*.Mid *.mid *.MID)");
  EXPECT_EQ(QtFileFilter("*.wav"), "*.wav");
}

}  // namespace
