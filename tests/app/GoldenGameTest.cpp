// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>

#include "AppFixture.h"
#include "MachineFace.h"
#include "Reels.h"

// One whole game played through the real window with the wheels' stops
// fixed in advance: a refused spin, a bet and a win, menu commands, auto
// spin, the bonus and its seven free spins, a new coin value, a maximized
// window and the close. The face's pixels at each step and the settings file
// the close writes are compared with the ones this game gave when the
// window's code was last known good; a change in how the window draws, or in
// what it writes, shows up here even where no other test looks. Each plan
// is hurried to its end: the hashes below were taken from plans watched to
// their end, and a hurried plan settles on the very same face and file.
namespace {

// Sound off: the sounds' lengths would hold every spin. A short pool and a
// meter near full so the bonus comes within a few spins.
const QString StartIni =
    QStringLiteral("[Settings]\r\nSound=0\r\nPowerPts=70\r\nBonusPool=3.00\r\n");

QByteArray Sha256(const QByteArray& bytes) {
  return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

QByteArray FaceHash(const QImage& face) {
  const QImage pixels = face.convertToFormat(QImage::Format_RGB32);
  QByteArray bytes;
  bytes += QByteArray::number(pixels.width()) + 'x' + QByteArray::number(pixels.height());
  for (int y = 0; y < pixels.height(); ++y)
    bytes.append(reinterpret_cast<const char*>(pixels.constScanLine(y)), pixels.width() * 4);
  return Sha256(bytes);
}

// The face's pixels after each step of the game, as the game drew them.
struct Checkpoint {
  const char* name;
  const char* faceSha256;
};
constexpr Checkpoint Checkpoints[] = {
    {"start", "f1f31a61c7100c0d4c28119eeeedfb727c712ea6f48c771da3f1e34d72bcfb44"},
    {"one coin", "fa04cb469973436220cbe615fb27cce68c48ac1ffb40ba6f426d18386ae520ed"},
    {"small win", "60bbff32b85eed9e54b881d9cc193215f372379bef4913176e0e6d78ccb08932"},
    {"no win", "c01efa49123bd77236171350a8f6533f6bd88818f90c5256d359a05eaaf970ae"},
    {"bonus", "8042bc71e58b7cc77d2a46a70734214d6c678761c67c5f79e99e70e52924e19d"},
    {"free spin 3", "11fcbd0f8ef7d489cf1e659eaadb86bd6a894d8a79a8ab395f85b56e3164d4ba"},
    {"last free spin", "60fdc93b76aa3d3ab52cbbb7341c846de3ea12984d4a5ed2cbb02a354f9737e4"},
    {"auto spin", "d2efb9bf2b0855a0eedc3ee1e3b28d8f513e7631b372ba43c01e70098ff2ec85"},
    {"fifty cents", "8e0f127f9169ebeb71064233239217f6aa82ac87d14a2fb2c328869aa730063d"},
    {"blink", "50a0d57fe8007d0377002f70d3eba832e67935e58d7997cc9c8feeaf50f3a44d"},
    {"maximized", "2794adbda04e2b9f0b01d0f5be2416feac3afff3a4deeebabb43d8b37d3449cf"},
};

// The settings file written at the close, with the test's program folder
// written as "<program>/".
constexpr const char* SettingsSha256 =
    "c1ae1dfcc9de843cd3650c37266022a924e7b096268a891525c10d85e60a4f23";

}  // namespace

class GoldenGameTest : public QObject {
  Q_OBJECT

 private slots:
  void scriptedGameDrawsAndWritesAsBefore() {
    FormFixture fixture(StartIni);
    TForm1& form = fixture.Form();
    const GameState& state = Probe(form).State();
    ScriptedStops& chance = fixture.Stops();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // The blinking follows the wall clock; it is drawn once, on cue, below.
    QVERIFY(QObject::disconnect(WindowTimer(form, "Timer3"), &QTimer::timeout, &form, nullptr));

    QList<QPair<QString, QByteArray>> faces;
    QList<QImage> images;
    const auto checkpoint = [&](const char* name) {
      faces << qMakePair(QString::fromLatin1(name), FaceHash(FaceOf(form).Canvas()));
      images << FaceOf(form).Canvas().copy();
    };
    // Timer1's tick, on cue rather than by the clock.
    const auto tick = [&form] {
      WindowTimer(form, "Timer1")->stop();
      FireTimer(form, "Timer1");
      QVERIFY(HurryOut(form));
    };

    checkpoint("start");

    // Spin without a bet is refused.
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    QCOMPARE(fixture.Script().informations, QStringList{"Please place a bet before spinning."});

    // One coin, a small win, one Voltaro symbol on the meter.
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    checkpoint("one coin");
    ScriptSmallWin(chance);
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    QCOMPARE(state.Credits, 1000.25);
    QCOMPARE(state.PowerPts, 80);
    checkpoint("small win");

    // Three coins, then a spin with no line won; its Voltaro symbol takes
    // the meter to 90.
    for (int coin = 0; coin < 3; ++coin)
      QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    chance.NextStops(0, 0, 0);
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    QCOMPARE(state.Credits, 999.50);
    QCOMPARE(state.PowerPts, 90);
    checkpoint("no win");

    // Sound switches from the menu, written at the close.
    fixture.Item("Win1")->trigger();
    fixture.Item("Coins1")->trigger();

    // "Bet Max" plays 25 coins and wins: the meter fills, the pool is paid,
    // seven free spins follow.
    ScriptSmallWin(chance);
    QTest::mouseClick(WindowButton(form, "BitBtn2"), Qt::LeftButton);
    QVERIFY(HurryOut(form));
    QCOMPARE(state.FreeSpins, 7);
    QCOMPARE(state.Strip2, std::string(Strip2FreeSpinDigits));
    // 999.50 - 6.25 + 2.50 won + the pool of 3.00 and its 0.25 share.
    QCOMPARE(state.Credits, 999.00);
    QVERIFY(WindowTimer(form, "Timer1")->isActive());
    checkpoint("bonus");

    // The free spins, one with a win.
    for (int free = 1; free <= 7; ++free) {
      if (free == 3)
        ScriptSmallWin(chance);
      else
        chance.NextStops(2 * free, 2 * free + 6, 10);
      tick();
      QCOMPARE(state.FreeSpinsPlayed, free);
      if (free == 3 || free == 7) checkpoint(free == 3 ? "free spin 3" : "last free spin");
    }
    QCOMPARE(state.FreeSpins, 0);
    QCOMPARE(state.Strip2, std::string(Strip2NormalDigits));
    QVERIFY(!WindowTimer(form, "Timer1")->isActive());

    // Auto spin plays the 25 coins again, then is switched off.
    fixture.Item("AutoSpin2")->trigger();
    QVERIFY(fixture.Item("AutoSpin2")->isChecked());
    ScriptSmallWin(chance);
    tick();
    QCOMPARE(state.Spins, 4);
    QVERIFY(WindowTimer(form, "Timer1")->isActive());
    checkpoint("auto spin");
    fixture.Item("AutoSpin2")->trigger();
    QVERIFY(!fixture.Item("AutoSpin2")->isChecked());
    QVERIFY(!WindowTimer(form, "Timer1")->isActive());

    // A new coin value, a slower speed and a coin left on the table.
    fixture.Item("N50c1")->trigger();
    QCOMPARE(state.CoinValue, 0.50);
    fixture.Item("Medium1")->trigger();
    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    checkpoint("fifty cents");

    // One blinking step, then the larger art of a maximized window.
    FaceOf(form).Blink();
    checkpoint("blink");
    MaximizeOn(form, QSize(1024, 768));
    checkpoint("maximized");

    fixture.Item("Exit1")->trigger();
    QTRY_VERIFY(!form.isVisible());

    QFile written(fixture.SettingsPath());
    QVERIFY(written.open(QIODevice::ReadOnly));
    QByteArray settings = written.readAll();
    settings.replace(fixture.Program().Path().toUtf8(), "<program>/");
    // The plays and the records keep the wall-clock time they were set at,
    // and the time played is the test's own.
    settings =
        QString::fromUtf8(settings)
            .replace(
                QRegularExpression(QStringLiteral("\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ")),
                QStringLiteral("<time>"))
            .replace(QRegularExpression(QStringLiteral("^TimePlayed=[^\\r\\n]*"),
                                        QRegularExpression::MultilineOption),
                     QStringLiteral("TimePlayed=<time played>"))
            .toUtf8();

    QStringList mismatches;
    const qsizetype expected = static_cast<qsizetype>(std::size(Checkpoints));
    for (qsizetype i = 0; i < faces.size(); ++i) {
      const bool known = i < expected && faces[i].first == QLatin1String(Checkpoints[i].name);
      if (known && faces[i].second == Checkpoints[i].faceSha256) continue;
      const QString saved = QDir::temp().filePath(
          QStringLiteral("golden-%1.png").arg(QString(faces[i].first).replace(' ', '-')));
      images[i].save(saved);
      mismatches << QStringLiteral("{\"%1\", \"%2\"},  // differs, saved as %3")
                        .arg(faces[i].first, QString::fromLatin1(faces[i].second), saved);
    }
    if (faces.size() != expected)
      mismatches << QStringLiteral("%1 checkpoints, %2 expected").arg(faces.size()).arg(expected);
    if (Sha256(settings) != SettingsSha256)
      mismatches << QStringLiteral("settings file %1 differs:\n%2")
                        .arg(QString::fromLatin1(Sha256(settings)), QString::fromUtf8(settings));
    for (const QString& mismatch : mismatches) qWarning().noquote() << mismatch;
    QVERIFY2(mismatches.isEmpty(), "the face or the settings file differs (see above)");
  }
};

TEST_CLASS_ON_SCREENS(GoldenGameTest);
#include "GoldenGameTest.moc"
