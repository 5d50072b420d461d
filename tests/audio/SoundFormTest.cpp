// SPDX-License-Identifier: GPL-3.0-or-later
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AudioTestFiles.h"
#include "QtTestClasses.h"
#include "SoundPlayer.h"
#include "Sounds.h"

namespace {

class SoundFormFixture {
 public:
  SoundFormFixture() {
    hooks.openFile = [this](QWidget*, const QString&, const QString& initialFolder,
                            const QString& filter) {
      filters.push_back(filter);
      folders.push_back(initialFolder);
      return answer;
    };
    hooks.warning = [](QWidget*, const QString& text) { QFAIL(qPrintable(text)); };
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

  // The test cases, each run on a fresh fixture.
  void LayoutTextsAndHints();
  void ChangeSetsTheRowsPathAndRemembersTheFolder();
  void PreviewPlaysEachRowsCurrentFileEvenWithSoundOff();
};

void SoundFormFixture::LayoutTextsAndHints() {
  TSoundForm form(settings, player, folder.Dir(), nullptr, hooks);
  QCOMPARE(form.windowTitle(), "Change Sounds (WAV Files)");
  QCOMPARE(form.size(), QSize(394, 397));
  QCOMPARE(form.Bevel1->geometry(), QRect(8, 16, 377, 337));

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
    QCOMPARE(row.label->text(), row.text);
    QCOMPARE(row.label->toolTip(), row.hint);
    QCOMPARE(row.label->pos(), QPoint(16, row.top));
    QVERIFY(row.label->font().bold());
    // Each button has an access key and says which sound it acts on.
    QString sound = row.text;
    sound.remove(':');
    QCOMPARE(row.change->text(), "&Change");
    QCOMPARE(row.change->accessibleName(), "Change " + sound);
    QCOMPARE(row.preview->accessibleName(), "Preview " + sound);
    QCOMPARE(row.change->geometry(), QRect(176, row.top, 81, 25));
    QCOMPARE(row.change->toolTip(),
             "Click this button to browse your hard drive for a sound for this event.");
    QCOMPARE(row.preview->text(), "&Preview");
    QCOMPARE(row.preview->geometry(), QRect(288, row.top, 81, 25));
    QCOMPARE(row.preview->toolTip(),
             "Click this button to play the currently selected sound file.");
  }
  QCOMPARE(form.Button11->text(), "&Restore Default Sounds");
  QCOMPARE(form.Button11->geometry(), QRect(16, 304, 353, 33));
  QCOMPARE(form.Button11->toolTip(),
           "Click this button to use the default (original) sounds for the above events.");
  QCOMPARE(form.BitBtn1->text(), "&Help");
  QCOMPARE(form.BitBtn1->geometry(), QRect(16, 364, 153, 27));
  QCOMPARE(form.OKBtn->text(), "&OK");
  QCOMPARE(form.OKBtn->geometry(), QRect(224, 364, 153, 27));
  QVERIFY(form.OKBtn->isDefault());

  form.BitBtn1->click();
  QCOMPARE(helpContexts, std::vector<int>{41011});
}

void SoundFormFixture::ChangeSetsTheRowsPathAndRemembersTheFolder() {
  TSoundForm form(settings, player, folder.Dir(), nullptr, hooks);
  const Settings before = settings;
  form.Button5->click();  // cancelled
  QCOMPARE(settings.WinSound, before.WinSound);

  answer = "/music/effects/cheer.wav";
  form.Button5->click();
  QCOMPARE(settings.WinSound, "/music/effects/cheer.wav");
  answer = "/other/sad.wav";
  form.Button2->click();
  QCOMPARE(settings.LoseSound, "/other/sad.wav");
  answer = "/x/count-down.wav";
  form.Button3->click();
  answer = "/x/count-up.wav";
  form.Button4->click();
  answer = "/x/bonus.wav";
  form.Button1->click();
  QCOMPARE(settings.PowerDownSound, "/x/count-down.wav");
  QCOMPARE(settings.PowerUpSound, "/x/count-up.wav");
  QCOMPARE(settings.BonusSound, "/x/bonus.wav");

  QCOMPARE(folders.size(), 6u);
  QCOMPARE(folders[0], "");  // the first Change starts in the platform's folder
  QCOMPARE(folders[1], "");
  QCOMPARE(folders[2], "/music/effects");
  QCOMPARE(folders[3], "/other");
  for (const QString& filter : filters) QCOMPARE(filter, "Wav Files|*.WAV");

  answer = "/" + QString(300, 'a') + ".wav";
  form.Button5->click();
  QCOMPARE(settings.WinSound.size(), PathCapacity);

  form.Button11->click();
  const Settings defaults = DefaultSettings(folder.Dir());
  QCOMPARE(settings.WinSound, defaults.WinSound);
  QCOMPARE(settings.LoseSound, defaults.LoseSound);
  QCOMPARE(settings.PowerUpSound, defaults.PowerUpSound);
  QCOMPARE(settings.PowerDownSound, defaults.PowerDownSound);
  QCOMPARE(settings.BonusSound, defaults.BonusSound);
}

void SoundFormFixture::PreviewPlaysEachRowsCurrentFileEvenWithSoundOff() {
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
    QVERIFY(start.synchronous);
    names.push_back(start.name);
  }
  QCOMPARE(names, (std::vector<std::string>{settings.BonusSound, settings.LoseSound,
                                            settings.PowerDownSound, settings.PowerUpSound,
                                            settings.WinSound}));
}

void QtFileFilterMatchesBothCases() {
  QCOMPARE(QtFileFilter("Wav Files|*.WAV"), "Wav Files (*.WAV *.wav)");
  QCOMPARE(QtFileFilter("MIDI Sequencer|*.mid;*.rmi"), "MIDI Sequencer (*.mid *.MID *.rmi *.RMI)");
  // Every caption and pattern pair of the filter, each pattern once.
  QCOMPARE(QtFileFilter("Bitmaps|*.BMP|All files|*.*"), "Bitmaps (*.BMP *.bmp);;All files (*.*)");
  QCOMPARE(QtFileFilter("Songs|*.Mid; *.mid"), "Songs (*.Mid *.mid *.MID)");
  QCOMPARE(QtFileFilter("*.wav"), "*.wav");
}

class SoundFormTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutTextsAndHints() { SoundFormFixture().LayoutTextsAndHints(); }
  void changeSetsTheRowsPathAndRemembersTheFolder() {
    SoundFormFixture().ChangeSetsTheRowsPathAndRemembersTheFolder();
  }
  void previewPlaysEachRowsCurrentFileEvenWithSoundOff() {
    SoundFormFixture().PreviewPlaysEachRowsCurrentFileEvenWithSoundOff();
  }
  void qtFileFilterMatchesBothCases() { QtFileFilterMatchesBothCases(); }
};

}  // namespace

QT_TEST_CLASS(SoundFormTest);

#include "SoundFormTest.moc"
