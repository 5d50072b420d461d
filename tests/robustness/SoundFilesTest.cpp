// SPDX-License-Identifier: GPL-3.0-or-later
#include <QElapsedTimer>
#include <QPushButton>
#include <QtTest>

#include "DamagedProgram.h"
#include "SoundPlayer.h"

Q_DECLARE_METATYPE(SoundEvent)

namespace {

// Master switch on and only the named switches on.
QString IniWithSwitches(const QStringList& on) {
  QString ini = QStringLiteral("[Settings]\r\nSound=1\r\n");
  for (const char* key : {"sndCoins", "sndCredits", "sndSpin", "sndStop", "sndWin", "sndBonus",
                          "sndLose", "sndPowerDown", "sndPowerUp"})
    ini += QStringLiteral("%1=%2\r\n").arg(key).arg(on.contains(key) ? 1 : 0);
  return ini;
}

void AddDamageRows(const QList<std::tuple<QString, SoundEvent, QString>>& files) {
  for (const auto& [file, event, key] : files)
    for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Corrupt})
      QTest::newRow(qPrintable(file + ' ' + DamageName(damage))) << file << event << key << damage;
}

void AddColumns() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<SoundEvent>("event");
  QTest::addColumn<QString>("switchKey");
  QTest::addColumn<Damage>("damage");
}

}  // namespace

class SoundFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void memoryWaves_data() {
    AddColumns();
    AddDamageRows({{"VOLTA0.WAV", SoundEvent::seStop, "sndStop"},
                   {"VOLTA1.WAV", SoundEvent::seSlotSpin, "sndSpin"},
                   {"VOLTA2.WAV", SoundEvent::seCoins, "sndCoins"},
                   {"VOLTA3.WAV", SoundEvent::seCredits, "sndCredits"}});
  }

  // A bad short sound leaves its own event silent, without a box, and every
  // other sound and the game itself go on.
  void memoryWaves() {
    QFETCH(QString, file);
    QFETCH(SoundEvent, event);
    QFETCH(Damage, damage);
    DamagedProgram program;
    program.Spoil(file, damage);
    DamagedGame game(program, IniWithSwitches({"sndCoins", "sndCredits", "sndSpin", "sndStop"}));
    TForm1& form = game.Form();
    QStringList started;
    Probe(form).WatchSounds(
        [&started](const SoundStart& start) { started << QString::fromStdString(start.name); });

    QVERIFY(game.Script().warnings.isEmpty() && game.Script().informations.isEmpty());
    const QList<std::pair<SoundEvent, QString>> waves{{SoundEvent::seStop, "VOLTA0.WAV"},
                                                      {SoundEvent::seSlotSpin, "VOLTA1.WAV"},
                                                      {SoundEvent::seCoins, "VOLTA2.WAV"},
                                                      {SoundEvent::seCredits, "VOLTA3.WAV"}};
    QStringList soundOnes;
    for (const auto& [other, name] : waves) {
      QCOMPARE(Probe(form).HasEventWave(other), other != event);
      Probe(form).PlaySound(other);
      if (other != event) soundOnes << name;
    }
    QCOMPARE(started, soundOnes);

    // One spin through the real animation for the garbled files: clicks,
    // stops, the coin and the count-up, with the bad one missing from them.
    started.clear();
    const bool watched = damage == Damage::Corrupt;
    game.PlaySmallWin(!watched);
    ExpectSmallWinPaid(game);
    QVERIFY(!started.contains(file));
    if (watched) {
      const QMap<QString, qsizetype> heard{
          {"VOLTA0.WAV", 3}, {"VOLTA1.WAV", 19}, {"VOLTA2.WAV", 1}, {"VOLTA3.WAV", 2}};
      for (auto it = heard.begin(); it != heard.end(); ++it)
        if (it.key() != file) QCOMPARE(started.count(it.key()), it.value());
    }
    QVERIFY(game.Script().warnings.isEmpty() && game.Script().informations.isEmpty());
  }

  void fileSounds_data() {
    AddColumns();
    AddDamageRows({{"VOLTA4.WAV", SoundEvent::seBonus, "sndBonus"},
                   {"VOLTA5.WAV", SoundEvent::seWin, "sndWin"},
                   {"VOLTA6.WAV", SoundEvent::sePowerUp, "sndPowerUp"},
                   {"VOLTA7.WAV", SoundEvent::sePowerDrain, "sndPowerDown"},
                   {"VOLTA8.WAV", SoundEvent::seLose, "sndLose"}});
  }

  // A replaceable sound that cannot be played sounds the default chime to
  // its end, silently as far as boxes go; the path stays the default one.
  void fileSounds() {
    QFETCH(QString, file);
    QFETCH(SoundEvent, event);
    QFETCH(QString, switchKey);
    QFETCH(Damage, damage);
    DamagedProgram program;
    program.Spoil(file, damage);
    DamagedGame game(program, IniWithSwitches({switchKey}));
    TForm1& form = game.Form();
    QList<SoundStart> started;
    Probe(form).WatchSounds([&started](const SoundStart& start) { started << start; });

    const Settings& settings = Probe(form).CurrentSettings();
    const QStringList paths{QString::fromStdString(settings.BonusSound),
                            QString::fromStdString(settings.WinSound),
                            QString::fromStdString(settings.PowerUpSound),
                            QString::fromStdString(settings.PowerDownSound),
                            QString::fromStdString(settings.LoseSound)};
    QVERIFY(paths.contains(program.File(file)));

    const int held = Probe(form).PlaySound(event);
    QCOMPARE(started.size(), 1);
    QCOMPARE(started[0].source, SoundSource::Default);
    QCOMPARE(QString::fromStdString(started[0].name), program.File(file));
    QVERIFY(started[0].synchronous);
    // The 0.35 s chime holds the game for its length, and no longer.
    QVERIFY2(held >= 300 && held < 500, qPrintable(QString::number(held)));
    QVERIFY(game.Script().warnings.isEmpty() && game.Script().informations.isEmpty());

    // The small win sounds the win and the power-up: played through the
    // real animation for those two, so the chime holds a running spin.
    started.clear();
    const bool inSpin = event == SoundEvent::seWin || event == SoundEvent::sePowerUp;
    game.PlaySmallWin(!inSpin || damage != Damage::Corrupt);
    ExpectSmallWinPaid(game);
    if (inSpin && damage == Damage::Corrupt) {
      QCOMPARE(started.size(), 1);
      QCOMPARE(started[0].source, SoundSource::Default);
    }
    QVERIFY(game.Script().warnings.isEmpty() && game.Script().informations.isEmpty());
  }
};

QT_TEST_CLASS(SoundFilesTest);
#include "SoundFilesTest.moc"
