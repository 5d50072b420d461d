// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "DamagedProgram.h"
#include "MachineFace.h"
#include "Music.h"
#include "MusicPlaylist.h"

namespace {

// Music on with only `slot` in the playlist; sounds off.
QString IniWithOnlySong(int slot) {
  return Silent + QStringLiteral("MusicOn=1\r\nPlayList%1=1\r\n").arg(slot);
}

void AddDamageRows() {
  QTest::addColumn<int>("slot");
  QTest::addColumn<Damage>("damage");
  for (int slot = 0; slot <= 2; ++slot)
    for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Corrupt})
      QTest::newRow(qPrintable(QStringLiteral("VOLTA%1.MID ").arg(slot) + DamageName(damage)))
          << slot << damage;
}

QString SongFile(int slot) { return QStringLiteral("VOLTA%1.MID").arg(slot); }

// The device's refusal of a file that is not a sound MIDI file.
const QString UnplayableText = QStringLiteral(
    "The file cannot be played on the MIDI sequencer. It may be damaged or not a MIDI file.");

}  // namespace

class MusicFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void playlist_data() { AddDamageRows(); }

  // A vanished song is skipped without a word. One that the device cannot
  // open, empty or garbled, is reported in one box with the device's text,
  // and the music then stays silent without further boxes while the game
  // goes on.
  void playlist() {
    QFETCH(int, slot);
    QFETCH(Damage, damage);
    DamagedProgram program;
    program.Spoil(SongFile(slot), damage);
    DamagedGame game(program, IniWithOnlySong(slot));
    TForm1& form = game.Form();
    WindowTimer(form, "Timer2")->stop();
    FireTimer(form, "Timer2");

    const QStringList& warnings = game.Script().warnings;
    if (damage == Damage::Missing) {
      QCOMPARE(Probe(form).CurrentSong(), std::nullopt);
      QVERIFY(warnings.isEmpty());
    } else {
      QCOMPARE(Probe(form).CurrentSong(), std::optional<int>(slot));
      QCOMPARE(warnings, QStringList{UnplayableText});
    }
    const qsizetype boxes = warnings.size();

    // Display ticks and a spin bring no further boxes.
    QTest::qWait(50);
    FireTimer(form, "Timer3");
    FireTimer(form, "Timer3");
    game.PlaySmallWin(true);
    QCOMPARE(Probe(form).State().Spins, 1);
    QCOMPARE(Probe(form).State().Credits, 1000.25);
    QCOMPARE(warnings.size(), boxes);
    QVERIFY(game.Script().informations.isEmpty());
  }

  void pendingNextSong_data() {
    QTest::addColumn<QString>("spoilt");
    QTest::newRow("empty") << QStringLiteral("empty");
    QTest::newRow("garbled") << QStringLiteral("garbled");
    QTest::newRow("cut in half") << QStringLiteral("cut");
  }

  // The song due after the current one is damaged: the pending start
  // reports it once, skips the rest of that tick, and does not try again
  // at the next one.
  void pendingNextSong() {
    QFETCH(QString, spoilt);
    DamagedProgram program;
    if (spoilt == "cut") {
      QFile song(program.File(SongFile(1)));
      QVERIFY(song.resize(song.size() / 2));
    } else {
      program.Spoil(SongFile(1), spoilt == "empty" ? Damage::Empty : Damage::Corrupt);
    }
    DamagedGame game(program, Silent + "MusicOn=1\r\nPlayList0=1\r\nPlayList1=1\r\n");
    TForm1& form = game.Form();
    WindowTimer(form, "Timer2")->stop();
    FireTimer(form, "Timer2");
    QCOMPARE(Probe(form).CurrentSong(), std::optional<int>(0));
    QVERIFY(game.Script().warnings.isEmpty());

    Probe(form).EndSong();
    QCOMPARE(Probe(form).CurrentSong(), std::optional<int>(1));
    QCOMPARE(Probe(form).PendingSong(), std::optional<int>(1));
    const bool phase = FaceOf(form).BlinkPhase();
    FireTimer(form, "Timer3");
    QCOMPARE(game.Script().warnings, QStringList{UnplayableText});
    QCOMPARE(FaceOf(form).BlinkPhase(), phase);
    FireTimer(form, "Timer3");
    QCOMPARE(game.Script().warnings.size(), 1);
    QCOMPARE(FaceOf(form).BlinkPhase(), !phase);
  }

  // The check that refuses damaged songs lets every shipped one through.
  void shippedSongsPlayInTurn() {
    DamagedProgram program;
    DamagedGame game(program,
                     Silent + "MusicOn=1\r\nPlayList0=1\r\nPlayList1=1\r\nPlayList2=1\r\n");
    TForm1& form = game.Form();
    WindowTimer(form, "Timer2")->stop();
    FireTimer(form, "Timer2");
    for (int next : {1, 2, 0}) {
      Probe(form).EndSong();
      FireTimer(form, "Timer3");
      QCOMPARE(Probe(form).CurrentSong(), std::optional<int>(next));
      QCOMPARE(Probe(form).PendingSong(), std::nullopt);
    }
    QVERIFY(game.Script().warnings.isEmpty());
  }

  void preview_data() { AddDamageRows(); }

  // "Preview" of a vanished song names it and offers the file chooser; one
  // the device cannot open is reported with the device's text. "Cancel"
  // then leaves the song table as it was.
  void preview() {
    QFETCH(int, slot);
    QFETCH(Damage, damage);
    DamagedProgram program;
    program.Spoil(SongFile(slot), damage);
    DamagedGame game(program, Silent);
    TForm1& form = game.Form();
    const auto songsBefore = Probe(form).CurrentSettings().MIDISong;
    int chooserRuns = 0;
    Probe(form).Dialogs().openFile = [&chooserRuns](QWidget*, const QString&, const QString&,
                                                    const QString&) {
      ++chooserRuns;
      return QString();
    };

    bool dialogSeen = false;
    QTimer::singleShot(0, &form, [&] {
      auto* dialog = qobject_cast<TMusicForm*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      dialogSeen = true;
      dialog->PreviewButtons[static_cast<std::size_t>(slot)]->click();
      dialog->BitBtn2->click();
    });
    form.ChangeSongs1Click();
    QVERIFY(dialogSeen);

    const QStringList& warnings = game.Script().warnings;
    if (damage == Damage::Missing) {
      QCOMPARE(warnings, QStringList{"Could not find " + SongFile(slot) +
                                     ".  Please choose a valid MIDI file."});
      QCOMPARE(chooserRuns, 1);
    } else {
      QCOMPARE(warnings, QStringList{UnplayableText});
      QCOMPARE(chooserRuns, 0);
    }
    QCOMPARE(Probe(form).CurrentSettings().MIDISong, songsBefore);
    game.PlaySmallWin(true);
    QCOMPARE(Probe(form).State().Credits, 1000.25);
  }
};

QT_TEST_CLASS(MusicFilesTest);
#include "MusicFilesTest.moc"
