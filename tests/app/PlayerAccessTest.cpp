// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "AppFixture.h"
#include "MachineFace.h"
#include "Paychart.h"
#include "SlotEnvironment.h"

namespace {

QString Description(MachineFace& face) {
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&face);
  return access != nullptr ? access->text(QAccessible::Description) : QString();
}

// Money as the description writes it, in the system's decimal point.
QString Amount(const char* text) {
  return QString::fromLatin1(text).replace('.', QLocale::system().decimalPoint());
}

void MakeFile(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

// What a player without a mouse or without sight gets: keys for the four
// buttons, the face described to a screen reader, and the game's data found
// wherever it was installed.
class PlayerAccessTest : public QObject {
  Q_OBJECT

 private slots:
  void keysPressTheButtons() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    const GameState& state = Probe(form).State();
    form.CreatePayoffChart();
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));

    // A button's key shows the button pressed for a moment, then clicks it.
    QTest::keyClick(&form, Qt::Key_S);
    QTRY_COMPARE(fixture.Script().informations, QStringList{"Please place a bet before spinning."});
    QTest::keyClick(&form, Qt::Key_B);
    QTRY_COMPARE(state.Wager, 0.25);
    QTest::keyClick(&form, Qt::Key_M);
    QTRY_COMPARE(state.Spins, 1);
    QVERIFY(PlayOut(form));
    QCOMPARE(state.LastBet, 6.25);
    ScriptSmallWin(fixture);
    QTest::keyClick(&form, Qt::Key_S);
    QTRY_COMPARE(state.Spins, 2);
    QVERIFY(PlayOut(form));
    QCOMPARE(state.Wager, 0.0);

    // The payoff chart opens modally; it is closed as soon as it shows.
    bool chartShown = false;
    QTimer watch;
    connect(&watch, &QTimer::timeout, [&chartShown, &form] {
      if (QWidget* chart = QApplication::activeModalWidget()) {
        chartShown = chart == FindInWindow<QWidget>(form, "Payoffs");
        chart->close();
      }
    });
    watch.start(20);
    QTest::keyClick(&form, Qt::Key_P);
    QTRY_VERIFY(chartShown);
    watch.stop();

    // Alt with a letter belongs to the menus, not to the buttons.
    QTest::keyClick(&form, Qt::Key_B, Qt::AltModifier);
    QTest::qWait(300);
    QCOMPARE(state.Wager, 0.0);
    // Space keeps pressing the focused button and Enter the default one.
    WindowButton(form, "BitBtn1")->setFocus();
    QTest::keyClick(WindowButton(form, "BitBtn1"), Qt::Key_Space);
    QCOMPARE(state.Wager, 0.25);
    // Tab reaches the face, for a screen reader to rest on; the buttons'
    // keys still work from there.
    QTRY_VERIFY(WindowButton(form, "Button1")->isEnabled());
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    for (int tab = 0; tab < 6 && !FaceOf(form).hasFocus(); ++tab)
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(FaceOf(form).hasFocus());
    // From the face Tab goes as the window reads: the buttons left to
    // right, then round to the face again.
    for (QWidget* next : std::initializer_list<QWidget*>{
             WindowButton(form, "BitBtn1"), WindowButton(form, "BitBtn2"),
             WindowButton(form, "BitBtn3"), WindowButton(form, "Button1"), &FaceOf(form)}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), next);
    }
    QTest::keyClick(&FaceOf(form), Qt::Key_B);
    QTRY_COMPARE(state.Wager, 0.50);
    // A disabled button's key does nothing, as during a spin.
    WindowButton(form, "BitBtn1")->setEnabled(false);
    QTest::keyClick(&form, Qt::Key_B);
    QTest::qWait(300);
    QCOMPARE(state.Wager, 0.50);
  }

  void faceDescriptionFollowsTheReadouts() {
    FormFixture fixture(Silent);
    TForm1& form = fixture.Form();
    const GameState& state = Probe(form).State();
    MachineFace& face = FaceOf(form);
    QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&face);
    QVERIFY(access != nullptr);
    QCOMPARE(access->text(QAccessible::Name), QStringLiteral("Slot machine"));
    const QString startRow = QStringLiteral(". Middle row: Magnet, Voltaro, Magnet. No line pays");
    QCOMPARE(Description(face),
             Amount("Credits 1000.00, wager 0.00, won 0.00, bonus pool 50.00, power 0%, spins 0") +
                 startRow + QStringLiteral(". No spin yet."));

    QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(Description(face),
             Amount("Credits 999.75, wager 0.25, won 0.00, bonus pool 50.00, power 0%, spins 0") +
                 startRow + QStringLiteral(". No spin yet."));
    ScriptSmallWin(fixture);
    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QVERIFY(PlayOut(form));
    QCOMPARE(Description(face),
             Amount("Credits 1000.25, wager 0.25, won 0.00, bonus pool 50.00, power 10%, spins 1. "
                    "Middle row: Cherries, Cherries, Diamond. Paying line 1. "
                    "Last spin: won 0.50 on line 1."));

    // The bonus: the meter empties and the free spins are told.
    ChangeGame(form, [&](GameState& g) {
      g.PowerPts = 90;
      g.BonusPool = 1.00;
    });
    ScriptSmallWin(fixture);
    for (int coin = 0; coin < 25; ++coin)
      QTest::mouseClick(WindowButton(form, "BitBtn1"), Qt::LeftButton);
    QVERIFY(PlayOut(form));
    QCOMPARE(state.FreeSpins, 7);
    const QString bonus = Description(face);
    QVERIFY2(bonus.contains(QStringLiteral("free spins left 7")), qPrintable(bonus));
    QVERIFY2(bonus.contains(QStringLiteral("spins 2")), qPrintable(bonus));
    QVERIFY2(bonus.contains(QStringLiteral("power 0%")), qPrintable(bonus));
  }

  void dataFolderBesideOrInstalled_data() {
    QTest::addColumn<bool>("besideProgram");
    QTest::addColumn<bool>("installed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("built game runs in place") << true << false << "bin/";
    QTest::newRow("installed game") << false << true << "share/voltaro-slots/";
    QTest::newRow("data beside the program wins") << true << true << "bin/";
    QTest::newRow("no data anywhere") << false << false << "bin/";
  }

  void dataFolderBesideOrInstalled() {
    QFETCH(bool, besideProgram);
    QFETCH(bool, installed);
    QFETCH(QString, expected);
    QTemporaryDir prefix;
    const QString root = prefix.path() + '/';
    QDir().mkpath(root + "bin");
    if (besideProgram) MakeFile(root + "bin/VOLTA.HLP");
    if (installed) MakeFile(root + "share/voltaro-slots/VOLTA.HLP");
    QCOMPARE(ProgramDataDir(root + "bin"), root + expected);
    // The folder comes back whole and clean however the program was named.
    QCOMPARE(ProgramDataDir(root + "bin/"), root + expected);
    QCOMPARE(ProgramDataDir(root + "share/../bin"), root + expected);
  }
};

QT_TEST_CLASS(PlayerAccessTest);
#include "PlayerAccessTest.moc"
