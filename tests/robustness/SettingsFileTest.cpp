// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QtTest>
#include <limits>
#include <random>

#include "DamagedProgram.h"

namespace {

QByteArray BinaryJunk() {
  std::mt19937 junk(8);
  QByteArray bytes(4096, '\0');
  for (char& byte : bytes) byte = static_cast<char>(junk() & 0xFF);
  // Lines that nearly make sense among the junk.
  bytes.insert(1000, "\r\n[Settings\r\nCredits\r\n=\r\n[]\r\n\0=5\r\n");
  return bytes;
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

bool CoinItemChecked(TForm1& form, const char* name) {
  return form.findChild<QAction*>(QString::fromLatin1(name))->isChecked();
}

}  // namespace

class SettingsFileTest : public QObject {
  Q_OBJECT

 private slots:
  void unreadableContents_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("binary junk") << BinaryJunk();
    QTest::newRow("no line ends") << QByteArray(200000, 'x');
    QTest::newRow("section only") << QByteArray("[Settings]");
  }

  // A file that holds nothing usable starts a new game with every default,
  // silently; the close then writes a file that the next start reads back.
  void unreadableContents() {
    QFETCH(QByteArray, bytes);
    DamagedProgram program;
    QTemporaryDir home;
    const QString path = home.path() + "/VOLTA.INI";
    WriteBytes(path, bytes);
    DamagedGame game(program, {}, path);
    TForm1& form = game.Form();
    const GameState& state = Probe(form).State();
    QCOMPARE(state.Credits, 1000.0);
    QCOMPARE(state.Borrowed, 1000.0);
    QCOMPARE(state.BonusPool, 50.0);
    QCOMPARE(state.Spins, 0);
    QCOMPARE(state.PowerPts, 0);
    QCOMPARE(state.CoinValue, 0.25);
    QVERIFY(CoinItemChecked(form, "N25c1"));
    QCOMPARE(Probe(form).SpinDelay(), 10);
    QVERIFY(game.Script().warnings.isEmpty() && game.Script().informations.isEmpty());

    game.PlaySmallWin(true);
    QCOMPARE(state.Credits, 1000.25);
    QVERIFY(form.close());
    QVERIFY(game.Script().informations.isEmpty());

    DamagedGame next(program, {}, path);
    QCOMPARE(Probe(next.Form()).State().Credits, 1000.25);
    QCOMPARE(Probe(next.Form()).State().Spins, 1);
    QCOMPARE(Probe(next.Form()).State().PowerPts, 10);
  }

  // Values that are not numbers take the rules for them: money reads the
  // number its text starts with, anything else keeps its default.
  void garbledValues() {
    DamagedProgram program;
    DamagedGame game(program,
                     "[Settings]\r\nCredits=12abc\r\nBorrowed=abc\r\nBonusPool=\r\n"
                     "Spins=xyz\r\nPowerPts=1e5\r\nSpeed=fast\r\nBet=--3\r\nSound=maybe\r\n"
                     "MusicOn=\x01\x02\r\nBackColor=0x\r\nBackMode=\xff\xfe\r\n"
                     "WinSound=\x01/nowhere\r\nMIDIName0=" +
                         QString(3000, QChar('n')) + "\r\n");
    TForm1& form = game.Form();
    const GameState& state = Probe(form).State();
    const Settings& settings = Probe(form).CurrentSettings();
    QCOMPARE(state.Credits, 12.0);
    QCOMPARE(state.Borrowed, 0.0);
    QCOMPARE(state.BonusPool, 0.0);
    QCOMPARE(state.Spins, 0);
    QCOMPARE(state.PowerPts, 0);
    QCOMPARE(int(settings.Speed), 0);
    QCOMPARE(int(settings.Bet), 3);
    QVERIFY(settings.Sound);
    QVERIFY(!settings.MusicOn);
    QCOMPARE(settings.BackColor, Settings::ButtonFaceColor);
    QCOMPARE(int(settings.BackMode), 0);
    QCOMPARE(QString::fromStdString(settings.WinSound), program.File("VOLTA5.WAV"));
    QCOMPARE(settings.MIDIName[0], std::string(12, 'n'));
    QVERIFY(game.Script().warnings.isEmpty());

    // The sound switch stayed on: play silently from here.
    FindInWindow<QAction>(form, "On1")->trigger();
    QVERIFY(!Probe(form).CurrentSettings().Sound);
    game.PlaySmallWin(true);
    QCOMPARE(state.Credits, 12.25);
  }

  // The largest amounts the file can hold, counters at their limit and
  // bytes that wrap: the game reads them as the rules say (a meter past full
  // as the fullest one at rest) and plays on without overflowing a counter.
  void hugeValues() {
    DamagedProgram program;
    DamagedGame game(program,
                     Silent +
                         "Credits=99999999999999999999.99\r\nBorrowed=123456789012345.5\r\n"
                         "BonusPool=9999999999.99\r\nSpins=2147483647\r\nPowerPts=2147483647\r\n"
                         "Speed=999\r\nBet=258\r\nBackColor=99999999999\r\n");
    TForm1& form = game.Form();
    const GameState& state = Probe(form).State();
    QCOMPARE(state.Credits, 9999999999.99);
    QCOMPARE(state.Borrowed, 1234567890.50);
    QCOMPARE(state.BonusPool, 9999999999.99);
    QCOMPARE(state.Spins, std::numeric_limits<std::int32_t>::max());
    QCOMPARE(state.PowerPts, 99);
    // 999 keeps its low byte 231, no speed: Fast stays. 258 keeps 2: 50¢.
    QCOMPARE(Probe(form).SpinDelay(), 10);
    QCOMPARE(state.CoinValue, 0.50);
    QVERIFY(CoinItemChecked(form, "N50c1"));
    QCOMPARE(Probe(form).CurrentSettings().BackColor, Settings::ButtonFaceColor);

    // The meter fills: the spin pays 2 coins and then the whole pool, the
    // credits stop at the largest amount the file keeps to the cent, and the
    // player is told that only the room the bet had left went in.
    game.PlaySmallWin(true);
    QCOMPARE(state.Spins, std::numeric_limits<std::int32_t>::max());
    QCOMPARE(state.Credits, 9999999999.99);
    QCOMPARE(state.BonusPool, 0.0);
    QCOMPARE(state.FreeSpins, 7);
    QCOMPARE(state.PowerPts, 0);
    QVERIFY(form.close());
    QCOMPARE(game.Script().informations,
             QStringList{"Your credits are at the money limit: only $0.50 of this win went in, "
                         "the rest could not be added."});
    // Written as it reads back: more digits would come back as their first
    // ten.
    QCOMPARE(SectionValue(game.SettingsPath(), "Settings", "Credits"),
             QStringLiteral("9999999999.99"));
  }

  // Credits, debt, a wager, a meter and a pool below nothing, which no game
  // writes, read as nothing: no bet can be placed, borrowing brings the
  // credits back and the game goes on.
  void negativeMoney() {
    DamagedProgram program;
    DamagedGame game(program, Silent +
                                  "Credits=-50.00\r\nBorrowed=-20.5\r\nBonusPool=-5.00\r\n"
                                  "PowerPts=-40\r\nSpins=-3\r\nWager=-6.25\r\n");
    TForm1& form = game.Form();
    const GameState& state = Probe(form).State();
    QCOMPARE(state.Credits, 0.0);
    QCOMPARE(state.Borrowed, 0.0);
    QCOMPARE(state.BonusPool, 0.0);
    QCOMPARE(state.PowerPts, 0);

    form.BitBtn1Click();
    form.BitBtn2Click();
    QCOMPARE(state.Wager, 0.0);
    QCOMPARE(state.Credits, 0.0);
    form.Button1Click();
    QCOMPARE(game.Script().informations, QStringList{"Please place a bet before spinning."});
    QCOMPARE(state.Spins, -3);

    QCOMPARE(Probe(form).Borrow(100.0), MoneyMove::Done);
    QCOMPARE(state.Credits, 100.0);
    QCOMPARE(state.Borrowed, 100.0);
    game.PlaySmallWin(true);
    QCOMPARE(state.Credits, 100.25);
    QCOMPARE(state.Spins, -2);
    QCOMPARE(state.PowerPts, 10);
    QCOMPARE(state.FreeSpins, 0);
    QCOMPARE(state.BonusPool, 0.0);
  }

  void betsBeyondTheTable_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("credits");
    QTest::addColumn<int>("freeSpins");
    QTest::addColumn<double>("freeSpinBet");
    // Money reads the number its text starts with: 1e15 is 1.00.
    QTest::newRow("huge wager") << "Wager=1000000\r\n" << 16.25 << 0 << 0.0;
    QTest::newRow("leading number") << "Wager=1e15\r\n" << 11.0 << 0 << 0.0;
    QTest::newRow("too many free spins") << "FreeSpins=9\r\nFreeSpinBet=1000000\r\n"
                                         << 10.0 << 7 << 6.25;
    QTest::newRow("a round at 1e15") << "FreeSpins=7\r\nFreeSpinBet=1e15\r\nWager=6.25\r\n"
                                     << 16.25 << 7 << 1.00;
  }

  // Coins on the table and the bet of a free-spin round are read as the
  // nearest the game can write at the coin value (25 cents): 0 to 25 coins
  // on the table, 1 to 25 coins a free spin, 0 to 7 free spins.
  void betsBeyondTheTable() {
    QFETCH(QString, keys);
    QFETCH(double, credits);
    QFETCH(int, freeSpins);
    QFETCH(double, freeSpinBet);
    DamagedProgram program;
    DamagedGame game(program, Silent + "Credits=10.00\r\nBet=3\r\n" + keys);
    const GameState& state = Probe(game.Form()).State();
    QCOMPARE(state.Credits, credits);
    QCOMPARE(state.Wager, 0.0);
    QCOMPARE(state.FreeSpins, freeSpins);
    QCOMPARE(state.LastBet, freeSpinBet);
  }

  void notARegularFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("named pipe") << QStringLiteral("pipe");
    QTest::newRow("device") << QStringLiteral("device");
    QTest::newRow("link to a device") << QStringLiteral("link");
  }

  // Something other than a file where the file should be: the start reads
  // nothing, at once and silently; the close says it cannot write, still
  // ends the window, and leaves the thing alone.
  void notARegularFile() {
    QFETCH(QString, kind);
    DamagedProgram program;
    QTemporaryDir home;
    const QString path = home.path() + "/VOLTA.INI";
    if (kind == "folder") {
      QVERIFY(QDir().mkdir(path));
      QVERIFY(QFile::copy(program.File("VOLTA.HLP"), path + "/keep.txt"));
    } else if (kind == "pipe") {
      QCOMPARE(::mkfifo(path.toLocal8Bit().constData(), 0644), 0);
    } else {
      // A zero device of the test's own: a faulty close must never reach the
      // system's /dev/zero. Making one needs the super-user.
      const QString device = kind == "device" ? path : home.path() + "/zero";
      if (::mknod(device.toLocal8Bit().constData(), S_IFCHR | 0666, makedev(1, 5)) != 0)
        QSKIP("no device can be made here");
      if (kind == "link") QVERIFY(QFile::link(device, path));
    }
    // A start that hangs on the pipe or eats memory from the device is
    // stopped by the alarm and fails.
    ::alarm(20);
    DamagedGame game(program, {}, path);
    TForm1& form = game.Form();
    QCOMPARE(Probe(form).State().Credits, 1000.0);
    // Told as the game starts, and the title says the game is not kept.
    QCOMPARE(form.windowTitle(), QStringLiteral("Voltaro Slots (not saved)"));
    QTRY_COMPARE(game.Script().informations, QStringList{"Unable to write to " + path});
    QVERIFY(game.Script().warnings.isEmpty());
    game.PlaySmallWin(true);
    form.show();
    QVERIFY(form.close());
    ::alarm(0);
    QVERIFY(!form.isVisible());
    // Not again in play, and again by the close.
    QCOMPARE(game.Script().informations, QStringList(2, "Unable to write to " + path));
    const QFileInfo info(path);
    if (kind == "folder") {
      QVERIFY(info.isDir());
      QVERIFY(QFileInfo::exists(path + "/keep.txt"));
    } else if (kind == "pipe") {
      QVERIFY(!info.isFile() && !info.isDir() && info.exists());
    } else {
      struct stat device {};
      QCOMPARE(::stat(path.toLocal8Bit().constData(), &device), 0);
      QVERIFY(S_ISCHR(device.st_mode));
      QCOMPARE(info.isSymLink(), kind == "link");
    }
    const QStringList left =
        kind == "link" ? QStringList{"VOLTA.INI", "zero"} : QStringList{"VOLTA.INI"};
    QCOMPARE(QDir(home.path())
                 .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System | QDir::Hidden),
             left);
  }

  // A settings file its owner has made read-only is the player's locked
  // game: played or not, it is never replaced, also when the game runs as
  // the super-user (as it does here on build machines).
  void readOnlyFileIsKept() {
    DamagedProgram program;
    QTemporaryDir home;
    const QString path = home.path() + "/VOLTA.INI";
    const QByteArray stored = "[Settings]\r\nCredits=321.50\r\nSound=0\r\n";
    WriteBytes(path, stored);
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    {
      DamagedGame game(program, {}, path);
      TForm1& form = game.Form();
      QCOMPARE(Probe(form).State().Credits, 321.50);
      game.PlaySmallWin(true);
      QCOMPARE(Probe(form).State().Credits, 321.75);
      form.show();
      QVERIFY(form.close());
      QVERIFY(!form.isVisible());
      // Told once in play, when the spin could not be kept, and again by the close.
      QCOMPARE(game.Script().informations, QStringList(2, "Unable to write to " + path));
    }
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), stored);
    QCOMPARE(QFileInfo(path).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser),
             QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    QCOMPARE(QDir(home.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
             QStringList{"VOLTA.INI"});
  }

  void unwritableFolder_data() {
    QTest::addColumn<bool>("systemFolder");
    QTest::newRow("read-only folder") << false;
    QTest::newRow("folder no one may write") << true;
  }

  // The game is read from a folder it cannot write to and played; the close
  // reports the failed write with the file's path, the window still closes
  // and the file keeps what it held.
  void unwritableFolder() {
    QFETCH(bool, systemFolder);
    DamagedProgram program;
    QTemporaryDir home;
    QString folder = home.path() + "/voltaro-slots";
    const QByteArray stored = "[Settings]\r\nCredits=321.50\r\nSound=0\r\n";
    if (systemFolder) {
      // Not even the super-user may make files here.
      folder = QStringLiteral("/proc/self");
    } else {
      QVERIFY(QDir().mkdir(folder));
      WriteBytes(folder + "/VOLTA.INI", stored);
      QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
      if (::access(folder.toLocal8Bit().constData(), W_OK) == 0) {
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QSKIP("the folder's permissions do not bind this user (the super-user)");
      }
    }
    const QString path = folder + "/VOLTA.INI";
    {
      DamagedGame game(program, {}, path);
      TForm1& form = game.Form();
      if (!systemFolder) QCOMPARE(Probe(form).State().Credits, 321.50);
      FindInWindow<QAction>(form, "On1")->trigger();
      const double before = Probe(form).State().Credits;
      game.PlaySmallWin(true);
      QCOMPARE(Probe(form).State().Credits, before + 0.25);
      form.show();
      QVERIFY(form.close());
      QVERIFY(!form.isVisible());
      // Told once in play, when the spin could not be kept, and again by the close.
      QCOMPARE(game.Script().informations, QStringList(2, "Unable to write to " + path));
    }
    if (!systemFolder) {
      QFile file(path);
      QVERIFY(file.open(QIODevice::ReadOnly));
      QCOMPARE(file.readAll(), stored);
      QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
               QStringList{"VOLTA.INI"});
      QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
  }
};

QT_TEST_CLASS(SettingsFileTest);
#include "SettingsFileTest.moc"
