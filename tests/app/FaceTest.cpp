#include <QAction>
#include <QPushButton>
#include <QtTest>

#include "AppFixture.h"
#include "MachineFace.h"

namespace {

// Gives the client area a width while the window is maximized, where the
// border does not snap back to the normal size.
void SetClientWidth(TForm1& form, int width) {
  form.resize(width, form.height());
  QTRY_COMPARE(form.centralWidget()->width(), width);
}

QColor FacePixel(TForm1& form, int x, int y) { return form.Face().Canvas().pixelColor(x, y); }

QList<int> ButtonLefts(TForm1& form) {
  return {form.BitBtn1->x(), form.BitBtn2->x(), form.BitBtn3->x(), form.Button1->x()};
}

}  // namespace

class FaceTest : public QObject {
  Q_OBJECT

 private slots:
  void startSizeAndButtonPlaces() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    QCOMPARE(form.Face().SymbolSize(), 96);
    QCOMPARE(ButtonLefts(form), (QList<int>{22, 174, 326, 478}));
    QCOMPARE(form.Panel1->geometry(), QRect(0, 337, 632, 57));
  }

  void artSizeFollowsTheClientWidth() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setWindowState(Qt::WindowMaximized);
    const struct {
      int width;
      int size;
    } steps[] = {{800, 144}, {1024, 192}, {751, 144}, {750, 96}, {1001, 192}, {632, 96}};
    for (const auto& step : steps) {
      SetClientWidth(form, step.width);
      QCOMPARE(form.Face().SymbolSize(), step.size);
      // The art file of that size is the one on the wheels.
      QCOMPARE(form.Face().SymbolArt().width(), 3 * step.size);
      QCOMPARE(form.Panel1->width(), step.width);
    }
    QCOMPARE(ButtonLefts(form), (QList<int>{22, 174, 326, 478}));
    SetClientWidth(form, 1032);
    // Gap (1032 - 528) div 5 = 100, first left (1032 - 528 - 300) div 2 = 102.
    QCOMPARE(ButtonLefts(form), (QList<int>{102, 334, 566, 798}));
  }

  void missingArtIsReportedAndTheGameGoesOn() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    QFile::remove(fixture.Program().File("volta144.bmp"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.setWindowState(Qt::WindowMaximized);
    SetClientWidth(form, 800);
    QCOMPARE(fixture.Script().warnings.size(), 1);
    QVERIFY(fixture.Script().warnings[0].contains("volta144.bmp"));
    QVERIFY(form.Face().SymbolArt().isNull());
    QCOMPARE(form.State().Strip1.size(), std::size_t(20));
    SetClientWidth(form, 632);
    QCOMPARE(form.Face().SymbolArt().width(), 288);
  }

  void draggedSizeSnapsBack() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(700, form.height());
    QTRY_COMPARE(form.centralWidget()->size(), QSize(632, 394));
    QCOMPARE(form.Face().SymbolSize(), 96);
  }

  void tiledBitmapAnswered() {
    FormFixture fixture(QStringLiteral("[Settings]\r\nBackMode=1\r\n"));
    TForm1& form = fixture.Form();
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(200, 10, 10));
    QTemporaryDir elsewhere;
    const QString path = elsewhere.path() + "/red.bmp";
    picture.save(path, "BMP");
    fixture.Script().fileAnswers = {path};
    fixture.Item("Tiled1")->trigger();
    QCOMPARE(fixture.Script().fileTitles, QStringList{"Load Tiled Bitmap File"});
    QCOMPARE(fixture.Script().fileFilters, QStringList{"Bitmaps|*.BMP"});
    QCOMPARE(fixture.Script().fileFolders, QStringList{fixture.Program().Path()});
    QVERIFY(fixture.Item("Tiled1")->isChecked());
    QVERIFY(!fixture.Item("None1")->isChecked());
    QCOMPARE(int(form.CurrentSettings().BackMode), 0);
    QCOMPARE(QString::fromStdString(form.CurrentSettings().BackBMP), path);
    QCOMPARE(FacePixel(form, 2, 2), QColor(200, 10, 10));
    // The next choice starts in the folder of the last picture.
    fixture.Item("Tiled1")->trigger();
    QCOMPARE(fixture.Script().fileFolders.last(), elsewhere.path() + '/');
  }

  void tiledBitmapCancelledOrUnreadable() {
    FormFixture fixture(QStringLiteral("[Settings]\r\nBackMode=1\r\nBackColor=16711680\r\n"));
    TForm1& form = fixture.Form();
    const std::string backBmp = form.CurrentSettings().BackBMP;
    fixture.Item("Tiled1")->trigger();  // cancelled
    QTemporaryDir elsewhere;
    const QString notAPicture = elsewhere.path() + "/notes.bmp";
    QFile file(notAPicture);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a bitmap");
    file.close();
    fixture.Script().fileAnswers = {notAPicture};
    fixture.Item("Tiled1")->trigger();
    QCOMPARE(fixture.Script().warnings.size(), 1);
    QVERIFY(!fixture.Item("Tiled1")->isChecked());
    QVERIFY(fixture.Item("None1")->isChecked());
    QCOMPARE(int(form.CurrentSettings().BackMode), 1);
    QCOMPARE(form.CurrentSettings().BackBMP, backBmp);
    QCOMPARE(FacePixel(form, 2, 2), QColor(0, 0, 255));
  }

  void solidColorConfirmedAndCancelled() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    QCOMPARE(FacePixel(form, 2, 2), TestProgramDir::BackgroundColor());

    // Cancelled: marks, mode and face stay as they were.
    fixture.Item("None1")->trigger();
    QVERIFY(fixture.Item("Tiled1")->isChecked());
    QVERIFY(!fixture.Item("None1")->isChecked());
    QCOMPARE(int(form.CurrentSettings().BackMode), 0);
    QCOMPARE(FacePixel(form, 2, 2), TestProgramDir::BackgroundColor());

    fixture.Script().colorAnswers = {QColor(0, 64, 128)};
    fixture.Item("None1")->trigger();
    QVERIFY(!fixture.Item("Tiled1")->isChecked());
    QVERIFY(fixture.Item("None1")->isChecked());
    QCOMPARE(int(form.CurrentSettings().BackMode), 1);
    QCOMPARE(form.CurrentSettings().BackColor, 0x00804000);
    QCOMPARE(FacePixel(form, 2, 2), QColor(0, 64, 128));

    // The picker opens on black first, then on the colour last confirmed.
    fixture.Item("None1")->trigger();
    QCOMPARE(fixture.Script().colorStarts,
             (QList<QColor>{QColor(Qt::black), QColor(Qt::black), QColor(0, 64, 128)}));
    QCOMPARE(int(form.CurrentSettings().BackMode), 1);
  }
};

QTEST_MAIN(FaceTest)
#include "FaceTest.moc"
