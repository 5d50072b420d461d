// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "AudioTestFiles.h"
#include "FakeMediaPlayer.h"
#include "Music.h"
#include "QtTestClasses.h"

namespace {

class MusicFormFixture {
 public:
  MusicFormFixture() {
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

  // The test cases, each run on a fresh fixture.
  void LayoutAndTheRowsOfAFirstStart();
  void SongNamesAreCutByCharacters();
  void CancelRestoresTheSongsAndOkKeepsNamesOfTwelveCharacters();
  void AMissingFileIsDeselectedOnOk();
  void PreviewPlaysTheRowOrAsksForAnotherFile();
  void ChangingARowKeepsWhatWasDoneToTheOthers();
  void ClosingByTheTitleBarIsACancel();
};

void MusicFormFixture::LayoutAndTheRowsOfAFirstStart() {
  auto form = Open();
  QCOMPARE(form->windowTitle(), "Change MIDI Files]");
  QCOMPARE(form->size(), QSize(427, 371));
  QCOMPARE(form->Label1->text(),
           "You may include up to eight MIDI files which will be used as background music while "
           "you are playing this game.");
  QCOMPARE(form->Label1->geometry(), QRect(0, 0, 427, 49));
  QCOMPARE(form->BitBtn1->text(), "&OK");
  QCOMPARE(form->BitBtn1->geometry(), QRect(296, 320, 121, 41));
  QVERIFY(form->BitBtn1->isDefault());
  QCOMPARE(form->BitBtn2->text(), "&Cancel");
  QCOMPARE(form->BitBtn2->geometry(), QRect(8, 320, 121, 41));

  for (std::size_t n = 0; n < SongSlots; ++n) {
    const int top = 56 + 32 * static_cast<int>(n);
    const bool shipped = n < 3;
    const QString name =
        shipped ? QString("VOLTA%1.MID").arg(n) : QString("MIDI Song #%1").arg(n + 1);
    QCOMPARE(form->SongChecks[n]->geometry(), QRect(16, top, 209, 25));
    QCOMPARE(form->ChangeButtons[n]->geometry(), QRect(240, top, 81, 25));
    QCOMPARE(form->PreviewButtons[n]->geometry(), QRect(336, top, 81, 25));
    QCOMPARE(form->SongChecks[n]->text(), name);
    QVERIFY(!(form->SongChecks[n]->isChecked()));
    const QByteArray row = "row " + QByteArray::number(static_cast<int>(n) + 1);
    QVERIFY2(form->SongChecks[n]->isEnabled() == shipped, row);
    QVERIFY2(form->PreviewButtons[n]->isEnabled() == shipped, row);
    QVERIFY(form->ChangeButtons[n]->isEnabled());
    // Access keys, and names that say which row a button acts on.
    QCOMPARE(form->ChangeButtons[n]->text(), "C&hange");
    QCOMPARE(form->PreviewButtons[n]->text(), "&Preview");
    QCOMPARE(form->ChangeButtons[n]->accessibleName(), "Change song " + QString::number(n + 1));
    QCOMPARE(form->PreviewButtons[n]->accessibleName(), "Preview song " + QString::number(n + 1));
  }
}

// Song names are cut by characters as the player sees them, the way the
// settings file cuts them, so the name shown is the name kept.
void MusicFormFixture::SongNamesAreCutByCharacters() {
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
  QCOMPARE(settings.MIDIName[5],
           "\xC3\xBC"
           "berlied1.mi");
  QCOMPARE(QString::fromStdString(settings.MIDIName[6]), symbols.left(24));
}

void MusicFormFixture::CancelRestoresTheSongsAndOkKeepsNamesOfTwelveCharacters() {
  const Settings before = settings;
  const QString mySong = QString::fromStdString(folder.WriteBytes("MySong123.mid", "MThd"));
  answers = {mySong};
  auto form = Open();
  form->ChangeButtons[4]->click();
  QCOMPARE(settings.MIDISong[4], mySong.toStdString());  // the table changes at once
  QVERIFY(form->SongChecks[4]->isChecked());
  QVERIFY(form->PreviewButtons[4]->isEnabled());
  QCOMPARE(form->SongChecks[4]->text(), "MySong123.mid");
  form->BitBtn2->click();
  QCOMPARE(settings.MIDISong, before.MIDISong);
  QCOMPARE(settings.MIDIName, before.MIDIName);
  QCOMPARE(settings.PlayList, before.PlayList);
  QCOMPARE(events,
           std::vector<std::string>{"choose MIDI Sequencer|*.mid;*.rmi in " + folder.Dir()});

  answers = {mySong};
  form = Open();
  form->ChangeButtons[4]->click();
  form->BitBtn1->click();
  QCOMPARE(settings.MIDISong[4], mySong.toStdString());
  QCOMPARE(settings.MIDIName[4], "MySong123.mi");
  QVERIFY(settings.PlayList[4]);
  QCOMPARE(settings.MIDIName[0], "VOLTA0.MID");
  QVERIFY(!(settings.PlayList[0]));
}

void MusicFormFixture::AMissingFileIsDeselectedOnOk() {
  settings.PlayList[1] = true;
  auto form = Open();
  QVERIFY(form->SongChecks[1]->isChecked());
  std::remove(settings.MIDISong[1].c_str());
  form->BitBtn1->click();
  QVERIFY(!(settings.PlayList[1]));
  form = Open();
  QVERIFY(!(form->SongChecks[1]->isChecked()));
}

void MusicFormFixture::PreviewPlaysTheRowOrAsksForAnotherFile() {
  auto form = Open();
  form->PreviewButtons[2]->click();
  QCOMPARE(previewPlayer->played, std::vector<std::string>{settings.MIDISong[2]});
  QVERIFY(previewPlayer->playing);

  const Settings before = settings;
  const QString first = QString::fromStdString(folder.WriteBytes("first.mid", "MThd"));
  const QString second = QString::fromStdString(folder.WriteBytes("second.mid", "MThd"));
  answers = {first, second};
  form->ChangeButtons[6]->click();
  std::remove(settings.MIDISong[0].c_str());
  form->PreviewButtons[0]->click();
  QVERIFY2(!(previewPlayer->playing), "a new preview ends the one before");
  QCOMPARE(events.size(), 3u);
  QCOMPARE(events[1], "warn Could not find VOLTA0.MID.  Please choose a valid MIDI file.");
  QCOMPARE(events[2], "choose MIDI Sequencer|*.mid;*.rmi in " +
                          folder.Dir().substr(0, folder.Dir().size() - 1));
  QCOMPARE(settings.MIDISong[0], second.toStdString());

  // The message box took the focus and gave it back; Cancel still undoes everything.
  QEvent activation(QEvent::WindowActivate);
  QApplication::sendEvent(form.get(), &activation);
  QCOMPARE(form->SongChecks[0]->text(), "second.mid");
  form->BitBtn2->click();
  QCOMPARE(settings.MIDISong, before.MIDISong);
  QVERIFY2(!(previewPlayer->open), "closing the dialog ends the preview");
}

void MusicFormFixture::ChangingARowKeepsWhatWasDoneToTheOthers() {
  settings.PlayList[0] = true;
  const QString a = QString::fromStdString(folder.WriteBytes("a.mid", "MThd"));
  const QString b = QString::fromStdString(folder.WriteBytes("b.mid", "MThd"));
  answers = {a, b};
  auto form = Open();
  form->SongChecks[0]->setChecked(false);
  form->ChangeButtons[3]->click();
  form->ChangeButtons[5]->click();
  QVERIFY(!(form->SongChecks[0]->isChecked()));
  QCOMPARE(form->SongChecks[3]->text(), "a.mid");
  form->BitBtn1->click();
  QCOMPARE(settings.MIDIName[3], "a.mid");
  QCOMPARE(settings.MIDIName[5], "b.mid");
  QVERIFY(settings.PlayList[3]);
  QVERIFY(settings.PlayList[5]);
  QVERIFY(!(settings.PlayList[0]));
}

void MusicFormFixture::ClosingByTheTitleBarIsACancel() {
  const Settings before = settings;
  answers = {QString::fromStdString(folder.WriteBytes("x.mid", "MThd"))};
  auto form = Open();
  form->ChangeButtons[7]->click();
  form->close();
  QCOMPARE(settings.MIDISong, before.MIDISong);
  QVERIFY(!(form->DialogAccepted));
}

class MusicFormTest : public QObject {
  Q_OBJECT

 private slots:
  void layoutAndTheRowsOfAFirstStart() { MusicFormFixture().LayoutAndTheRowsOfAFirstStart(); }
  void songNamesAreCutByCharacters() { MusicFormFixture().SongNamesAreCutByCharacters(); }
  void cancelRestoresTheSongsAndOkKeepsNamesOfTwelveCharacters() {
    MusicFormFixture().CancelRestoresTheSongsAndOkKeepsNamesOfTwelveCharacters();
  }
  void aMissingFileIsDeselectedOnOk() { MusicFormFixture().AMissingFileIsDeselectedOnOk(); }
  void previewPlaysTheRowOrAsksForAnotherFile() {
    MusicFormFixture().PreviewPlaysTheRowOrAsksForAnotherFile();
  }
  void changingARowKeepsWhatWasDoneToTheOthers() {
    MusicFormFixture().ChangingARowKeepsWhatWasDoneToTheOthers();
  }
  void closingByTheTitleBarIsACancel() { MusicFormFixture().ClosingByTheTitleBarIsACancel(); }
};

}  // namespace

QT_TEST_CLASS(MusicFormTest);

#include "MusicFormTest.moc"
