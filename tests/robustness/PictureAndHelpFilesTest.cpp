// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

#include "DamagedProgram.h"
#include "MachineFace.h"

namespace {

// The client widths that load each art file.
int WidthFor(const QString& artFile) {
  if (artFile == "volta144.bmp") return 800;
  if (artFile == "volta192.bmp") return 1024;
  return 632;
}

// The normal window for 632; else maximized on a screen of that width.
void SetClientWidth(TForm1& form, int width) {
  if (width != 632) {
    MaximizeOn(form, width == 800 ? QSize(800, 600) : QSize(1024, 768));
    return;
  }
  form.setWindowState(Qt::WindowNoState);
  QTRY_COMPARE(form.centralWidget()->width(), width);
}

QString UnreadablePictureText(const QString& path, Damage damage) {
  if (damage == Damage::Missing)
    return QStringLiteral("Cannot open file \"%1\". No such file or directory.").arg(path);
  return QStringLiteral("Bitmap image is not valid: \"%1\".").arg(path);
}

void AddDamageRows(const QStringList& files) {
  for (const QString& file : files)
    for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Corrupt})
      QTest::newRow(qPrintable(file + ' ' + DamageName(damage))) << file << damage;
}

bool TiledMarked(DamagedGame& game) {
  return game.Form().findChild<QAction*>(QStringLiteral("Tiled1"))->isChecked();
}

bool SolidMarked(DamagedGame& game) {
  return game.Form().findChild<QAction*>(QStringLiteral("None1"))->isChecked();
}

}  // namespace

class PictureAndHelpFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void symbolArt_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Damage>("damage");
    AddDamageRows({"volta96.bmp", "volta144.bmp", "volta192.bmp"});
  }

  // A bad art file gives one box naming it, wheels without symbols, and a
  // game that still plays; the next size whose file is sound brings the
  // symbols back.
  void symbolArt() {
    QFETCH(QString, file);
    QFETCH(Damage, damage);
    DamagedProgram program;
    program.Spoil(file, damage);
    DamagedGame game(program, Silent);
    TForm1& form = game.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int width = WidthFor(file);
    if (width != 632) SetClientWidth(form, width);

    QCOMPARE(game.Script().warnings,
             QStringList{UnreadablePictureText(program.File(file), damage)});
    QVERIFY(FaceOf(form).SymbolArt().isNull());
    QCOMPARE(Probe(form).State().Strip1.size(), std::size_t(20));

    // The start size is played through the real animation, which draws the
    // empty wheels 101 times; the others spin at once.
    game.PlaySmallWin(width != 632);
    ExpectSmallWinPaid(game);
    QCOMPARE(game.Script().warnings.size(), 1);
    QVERIFY(game.Script().informations.isEmpty());

    SetClientWidth(form, width == 632 ? 800 : 632);
    QVERIFY(!FaceOf(form).SymbolArt().isNull());
    QCOMPARE(FaceOf(form).SymbolArt().width(), 3 * FaceOf(form).SymbolSize());
    QCOMPARE(game.Script().warnings.size(), 1);
  }

  void startupBackground_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<bool>("chosenByPlayer");
    for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Corrupt}) {
      QTest::newRow(qPrintable("BKGRND1.BMP " + DamageName(damage)))
          << QStringLiteral("BKGRND1.BMP") << damage << false;
      QTest::newRow(qPrintable("stored choice " + DamageName(damage)))
          << QStringLiteral("mine.bmp") << damage << true;
    }
  }

  // An unusable picture at start-up is no error: the solid colour is used,
  // silently, and that mode is what the close writes.
  void startupBackground() {
    QFETCH(QString, file);
    QFETCH(Damage, damage);
    QFETCH(bool, chosenByPlayer);
    DamagedProgram program;
    QString ini = Silent + "BackMode=0\r\nBackColor=255\r\n";
    if (chosenByPlayer) {
      QFile::copy(program.File("BKGRND1.BMP"), program.File(file));
      ini += "BackBMP=" + program.File(file) + "\r\n";
    }
    program.Spoil(file, damage);
    DamagedGame game(program, ini);
    TForm1& form = game.Form();

    QVERIFY(game.Script().warnings.isEmpty());
    QVERIFY(SolidMarked(game) && !TiledMarked(game));
    QCOMPARE(int(Probe(form).CurrentSettings().BackMode), 1);
    QVERIFY(!FaceOf(form).CurrentBackground().Tiled);
    QCOMPARE(FaceOf(form).CurrentBackground().Color, QColor(255, 0, 0));
    FaceOf(form).FormPaint();
    QCOMPARE(FaceOf(form).Canvas().pixelColor(2, 2), QColor(255, 0, 0));

    game.PlaySmallWin(true);
    ExpectSmallWinPaid(game);
    QVERIFY(form.close());
    QCOMPARE(SectionValue(game.SettingsPath(), "Settings", "BackMode"), QStringLiteral("1"));
  }

  void pickedBackground_data() {
    QTest::addColumn<Damage>("damage");
    for (Damage damage : {Damage::Missing, Damage::Empty, Damage::Corrupt})
      QTest::newRow(qPrintable(DamageName(damage))) << damage;
  }

  // "Tiled Bitmap" with a bad picture: one box naming it, and the stored
  // path, the mode, the marks and the tiles stay as they were.
  void pickedBackground() {
    QFETCH(Damage, damage);
    DamagedProgram program;
    const QString picked = program.File("picked.bmp");
    QFile::copy(program.File("BKGRND1.BMP"), picked);
    program.Spoil("picked.bmp", damage);
    DamagedGame game(program, Silent);
    TForm1& form = game.Form();
    const QImage tileBefore = FaceOf(form).CurrentBackground().Picture;
    QVERIFY(!tileBefore.isNull());

    game.Script().fileAnswers.push_back(picked);
    form.Tiled1Click();
    QCOMPARE(game.Script().warnings, QStringList{UnreadablePictureText(picked, damage)});
    QCOMPARE(QString::fromStdString(Probe(form).CurrentSettings().BackBMP),
             program.File("BKGRND1.BMP"));
    QCOMPARE(int(Probe(form).CurrentSettings().BackMode), 0);
    QVERIFY(TiledMarked(game) && !SolidMarked(game));
    QCOMPARE(FaceOf(form).CurrentBackground().Picture, tileBefore);

    // The next choice, a sound picture, is taken.
    game.Script().fileAnswers.push_back(program.File("BKGRND1.BMP"));
    form.Tiled1Click();
    QCOMPARE(game.Script().warnings.size(), 1);
    game.PlaySmallWin(true);
    ExpectSmallWinPaid(game);
  }

  void helpFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<Damage>("damage");
    AddDamageRows({"VOLTA.HLP", "CATALOG.HLP"});
  }

  // A missing help file is reported by name; an empty or garbled one opens
  // as it is. Either way "&Catalog" leaves the manual as the help file.
  void helpFiles() {
    QFETCH(QString, file);
    QFETCH(Damage, damage);
    DamagedProgram program;
    program.Spoil(file, damage);
    DamagedGame game(program, Silent);
    TForm1& form = game.Form();

    if (file == "VOLTA.HLP")
      form.Manual1Click();
    else
      form.Catalog1Click();
    QCOMPARE(Probe(form).Help().HelpFile(), QStringLiteral("VOLTA.HLP"));
    if (damage == Damage::Missing) {
      QCOMPARE(game.Script().warnings,
               QStringList{"Unable to open the help file " + program.File(file) + "."});
      QVERIFY(Probe(form).Help().Browser() == nullptr ||
              !Probe(form).Help().Browser()->isVisible());
    } else {
      QVERIFY(game.Script().warnings.isEmpty());
      QVERIFY(Probe(form).Help().Browser() != nullptr && Probe(form).Help().Browser()->isVisible());
      QCOMPARE(Probe(form).Help().ShownFile(), file);
    }

    // The other help file is untouched and still opens.
    if (file == "VOLTA.HLP")
      form.Catalog1Click();
    else
      form.Manual1Click();
    QVERIFY(Probe(form).Help().Browser() != nullptr && Probe(form).Help().Browser()->isVisible());
    QCOMPARE(Probe(form).Help().ShownFile(),
             file == "VOLTA.HLP" ? QStringLiteral("CATALOG.HLP") : QStringLiteral("VOLTA.HLP"));
    QCOMPARE(game.Script().warnings.size(), damage == Damage::Missing ? 1 : 0);
  }
};

TEST_CLASS_ON_SCREENS(PictureAndHelpFilesTest);
#include "PictureAndHelpFilesTest.moc"
