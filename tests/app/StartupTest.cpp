// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QCloseEvent>
#include <QFontInfo>
#include <QMenuBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>
#include <optional>

#include <dlfcn.h>

#include "AppFixture.h"
#include "Application.h"
#include "DialogLook.h"
#include "Fonts.h"
#include "MachineFace.h"

namespace {

QString Ini(const QString& body) { return QStringLiteral("[Settings]\r\n") + body; }

// Whether the sound library is in the process yet.
bool SoundLibraryLoaded() {
  void* library = dlopen("libSDL2_mixer-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
  if (library != nullptr) dlclose(library);
  return library != nullptr;
}

// Whether any of Qt's image format plugins is mapped into the process.
bool ImageFormatPluginLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("/imageformats/");
}

QStringList Checked(FormFixture& fixture, const QStringList& names) {
  QStringList checked;
  for (const QString& name : names)
    if (fixture.Item(name.toLatin1().constData())->isChecked()) checked << name;
  return checked;
}

const QStringList BetItems{"N5001", "N1001", "N50c1", "N25c1", "N10c1", "N5c1"};
const QStringList SpeedItems{"Fast1", "Medium1", "Slow1"};

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  void firstRunWithoutFile() {
    // A window closed before its first sound never needed the sound library.
    { FormFixture closedAtOnce; }
    QVERIFY(!SoundLibraryLoaded());
    FormFixture fixture;
    const GameState& state = Probe(fixture.Form()).State();
    QCOMPARE(state.Credits, 1000.0);
    QCOMPARE(state.Borrowed, 1000.0);
    QCOMPARE(state.BonusPool, 50.0);
    QCOMPARE(state.CoinValue, 0.25);
    QCOMPARE(state.PowerPts, 0);
    QCOMPARE(state.Stops, (std::array<std::int32_t, 3>{26, 2, 8}));
    // The strips are on the wheels and the window follows from the stops.
    QCOMPARE(state.Strip1.size(), std::size_t(20));
    QVERIFY(!fixture.Form().isMaximized());
    QVERIFY(fixture.Script().warnings.isEmpty());
    // The first test of its process: the window is up and painted before
    // the sound library, which would hold up that paint, comes in with the
    // sounds and the music a moment later.
    fixture.Form().show();
    QVERIFY(QTest::qWaitForWindowExposed(&fixture.Form()));
    QVERIFY(!SoundLibraryLoaded());
    QTRY_VERIFY(SoundLibraryLoaded());
  }

  void storedSwitchesSpeedAndCoinValue() {
    FormFixture fixture(
        Ini("Sound=0\r\nsndSpin=1\r\nsndWin=0\r\nMusicOn=1\r\nSpeed=2\r\n"
            "Bet=0\r\nCredits=321.50\r\n"));
    TForm1& form = fixture.Form();
    QVERIFY(!fixture.Item("On1")->isChecked());
    QVERIFY(fixture.Item("SlotSpin1")->isChecked());
    QVERIFY(!fixture.Item("Win1")->isChecked());
    QVERIFY(fixture.Item("Stop1")->isChecked());
    QVERIFY(fixture.Item("On2")->isChecked());
    QCOMPARE(Checked(fixture, SpeedItems), QStringList{"Slow1"});
    QCOMPARE(Probe(form).SpinDelay(), 55);
    QCOMPARE(Checked(fixture, BetItems), QStringList{"N5001"});
    QCOMPARE(Probe(form).State().CoinValue, 5.0);
    // The pool is not recomputed for the loaded coin value.
    QCOMPARE(Probe(form).State().BonusPool, 50.0);
    QCOMPARE(Probe(form).State().Credits, 321.5);
  }

  void outOfRangeSpeedAndBet() {
    FormFixture fixture(Ini("Speed=7\r\nBet=9\r\n"));
    QCOMPARE(Checked(fixture, SpeedItems), QStringList{"Fast1"});
    QCOMPARE(Probe(fixture.Form()).SpinDelay(), 10);
    QCOMPARE(Checked(fixture, BetItems), QStringList{});
    QCOMPARE(Probe(fixture.Form()).State().CoinValue, 0.25);
  }

  void tiledBackgroundWithExistingPicture() {
    FormFixture fixture(Ini("BackMode=0\r\n"));
    QCOMPARE(Checked(fixture, {"Tiled1", "None1"}), QStringList{"Tiled1"});
    QCOMPARE(int(Probe(fixture.Form()).CurrentSettings().BackMode), 0);
    QVERIFY(FaceOf(fixture.Form()).CurrentBackground().Tiled);
    QVERIFY(!FaceOf(fixture.Form()).CurrentBackground().Picture.isNull());
  }

  void missingPictureFallsBackToSolidColour() {
    FormFixture fixture(Ini("BackMode=0\r\nBackBMP=/nowhere/gone.bmp\r\nBackColor=255\r\n"));
    QCOMPARE(Checked(fixture, {"Tiled1", "None1"}), QStringList{"None1"});
    QCOMPARE(int(Probe(fixture.Form()).CurrentSettings().BackMode), 1);
    QVERIFY(!FaceOf(fixture.Form()).CurrentBackground().Tiled);
    QCOMPARE(FaceOf(fixture.Form()).CurrentBackground().Color, QColor(255, 0, 0));
    QVERIFY(fixture.Script().warnings.isEmpty());
  }

  void solidModeStillLoadsThePicture() {
    FormFixture fixture(Ini("BackMode=1\r\n"));
    QCOMPARE(Checked(fixture, {"Tiled1", "None1"}), QStringList{"None1"});
    QVERIFY(!FaceOf(fixture.Form()).CurrentBackground().Picture.isNull());
  }

  void missingSoundFileTakesItsDefault() {
    FormFixture fixture(Ini("WinSound=/nowhere/win.wav\r\nLoseSound=/tmp\r\n"));
    const Settings& settings = Probe(fixture.Form()).CurrentSettings();
    QCOMPARE(QString::fromStdString(settings.WinSound), fixture.Program().File("VOLTA5.WAV"));
    QCOMPARE(QString::fromStdString(settings.LoseSound), fixture.Program().File("VOLTA8.WAV"));
  }

  void maxedOpensMaximized() {
    FormFixture fixture(Ini("Maxed=1\r\n"));
    QVERIFY(fixture.Form().windowState() & Qt::WindowMaximized);
  }

  void closingWritesEveryKeyInOrder() {
    FormFixture fixture;
    ChangeGame(fixture.Form(), [&](GameState& g) { g.Credits = 777.25; });
    fixture.Item("Slow1")->trigger();
    QVERIFY(fixture.Form().close());
    QStringList expected{"Credits",        "Borrowed",    "BonusPool", "Spins",      "Maxed",
                         "Sound",          "MusicOn",     "sndCoins",  "sndCredits", "sndSpin",
                         "sndStop",        "sndWin",      "sndBonus",  "sndLose",    "sndPowerDown",
                         "sndPowerUp",     "PowerPts",    "Speed",     "Bet",        "BackColor",
                         "BackMode",       "BackBMP",     "WinSound",  "LoseSound",  "BonusSound",
                         "PowerDownSound", "PowerUpSound"};
    for (const char* family : {"PlayList", "MIDISong", "MIDIName"})
      for (int n = 0; n < 8; ++n) expected << QString::fromLatin1(family) + QString::number(n);
    expected << "FreeSpins"
             << "FreeSpinBet"
             << "FreeSpinsPlayed"
             << "Wager"
             << "HistoryWidth"
             << "HistoryHeight";
    QCOMPARE(SectionKeys(fixture.SettingsPath(), "Settings"), expected);
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Credits"), QStringLiteral("777.25"));
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "Speed"), QStringLiteral("2"));
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Settings", "BackColor"),
             QStringLiteral("-2147483633"));
  }

  void failedWriteIsReportedAndTheWindowStillCloses() {
    QTemporaryDir dir;
    // A file where the settings folder should be: no file can be made in it.
    const QString blocker = dir.path() + "/blocker";
    QFile(blocker).open(QIODevice::WriteOnly);
    SlotEnvironment environment;
    TestProgramDir program;
    DialogScript script;
    environment.programDir = program.Path();
    environment.settingsPath = blocker + "/VOLTA.INI";
    environment.random = std::make_unique<RandomSource>(1);
    environment.dialogs = script.Dialogs();
    TForm1 form(std::move(environment));
    form.show();
    QVERIFY(form.close());
    QVERIFY(!form.isVisible());
    QCOMPARE(script.informations, QStringList{"Unable to write to " + blocker + "/VOLTA.INI"});
  }
};

// The program's own set-up and window with the art the build made, alone in
// its process.
class FirstPaintTest : public QObject {
  Q_OBJECT

 private slots:
  // The window's pictures, art and strips are read without loading every
  // image format plugin to find a reader, its fonts are found without a
  // search for fallbacks, and what the program puts after the first paint
  // (the payoff chart's window) comes just after it.
  void firstPaintTakesNoDetour() {
    PrepareApplication();
    QTemporaryDir settingsDir;
    SlotEnvironment environment;
    environment.programDir = QStringLiteral(VOLTARO_RUNTIME_DIR "/");
    environment.settingsPath = settingsDir.filePath(QStringLiteral("VOLTA.INI"));
    environment.random = std::make_unique<ScriptedStops>();
    DialogScript script;
    environment.dialogs = script.Dialogs();
    TForm1 form(std::move(environment));
    const auto chart = [&form] { return form.findChild<QDialog*>(QStringLiteral("Payoffs")); };
    std::optional<bool> pluginsAtFirstPaint;
    AfterFirstPaint(form, [&] {
      pluginsAtFirstPaint = ImageFormatPluginLoaded();
      form.CreatePayoffChart();
    });
    QCoreApplication::processEvents();
    QVERIFY(!pluginsAtFirstPaint.has_value());
    QVERIFY(chart() == nullptr);
    form.show();
    QTRY_VERIFY(pluginsAtFirstPaint.has_value());
    QVERIFY(!*pluginsAtFirstPaint);
    QVERIFY(chart() != nullptr);
    QVERIFY(script.warnings.isEmpty());
    // The menu bar's overflow arrow, read only now, is the style's own.
    const auto* style = qobject_cast<QProxyStyle*>(QApplication::style());
    QVERIFY(style != nullptr);
    const auto* overflow = form.menuBar()->findChild<QToolButton*>();
    QVERIFY(overflow != nullptr);
    const QIcon own = style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    QVERIFY(!overflow->icon().isNull());
    QCOMPARE(overflow->icon().pixmap(16).toImage(), own.pixmap(16).toImage());
    // Every font is asked for under an installed family and used as it is:
    // a classic name would have Qt sort the system's fonts for fallbacks.
    const auto* bet1 = form.findChild<QPushButton*>(QStringLiteral("BitBtn1"));
    QVERIFY(bet1 != nullptr);
    for (const QFont& font : {form.font(), form.menuBar()->font(), bet1->font(), FaceFont(8, false),
                              DialogPixelFont(13, true)})
      QCOMPARE(QFontInfo(font).family(), font.family());
  }
};

QT_TEST_CLASS(StartupTest);
QT_TEST_CLASS(FirstPaintTest);
#include "StartupTest.moc"
