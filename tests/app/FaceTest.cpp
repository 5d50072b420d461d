// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "AppFixture.h"
#include "MachineFace.h"

namespace {

// Records, at every paint of the face, the size it is and the size its
// last full paint was laid out for; also the sizes the client area went
// through.
class PaintSizes : public QObject {
 public:
  PaintSizes(MachineFace& face, QWidget& client) : face_(face), client_(client) {
    face.installEventFilter(this);
    client.installEventFilter(this);
  }
  ~PaintSizes() override {
    face_.removeEventFilter(this);
    client_.removeEventFilter(this);
  }

  QList<QSize> wrong;  // face size where the paint showed another layout
  QList<QSize> clientSizes;
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == &client_ && event->type() == QEvent::Resize) clientSizes << client_.size();
    if (watched == &face_ && event->type() == QEvent::Paint) {
      ++paints;
      const FaceLayout& layout = face_.Layout();
      const QSize laidOut(layout.ClientWidth, layout.ClientHeight - PanelHeight);
      if (laidOut != face_.size() || face_.Canvas().size() != face_.size()) wrong << face_.size();
    }
    return false;
  }

 private:
  MachineFace& face_;
  QWidget& client_;
};

QColor FacePixel(TForm1& form, int x, int y) { return FaceOf(form).Canvas().pixelColor(x, y); }

QList<int> ButtonLefts(TForm1& form) {
  return {WindowButton(form, "BitBtn1")->x(), WindowButton(form, "BitBtn2")->x(),
          WindowButton(form, "BitBtn3")->x(), WindowButton(form, "Button1")->x()};
}

}  // namespace

class FaceTest : public QObject {
  Q_OBJECT

 private slots:
  void startSizeAndButtonPlaces() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    QCOMPARE(FaceOf(form).SymbolSize(), 96);
    QCOMPARE(ButtonLefts(form), (QList<int>{22, 174, 326, 478}));
    QCOMPARE(FindInWindow<QWidget>(form, "Panel1")->geometry(), QRect(0, 337, 632, 57));
  }

  void artSizeFollowsTheClientArea() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const struct {
      QSize screen;
      int size;
    } steps[] = {{{800, 600}, 144},   {{1024, 768}, 192}, {{751, 600}, 144}, {{750, 600}, 96},
                 {{1920, 1080}, 192}, {{1024, 600}, 144}, {{1280, 672}, 144}};
    for (const auto& step : steps) {
      MaximizeOn(form, step.screen);
      QCOMPARE(FaceOf(form).SymbolSize(), step.size);
      // The art file of that size is the one on the wheels.
      QCOMPARE(FaceOf(form).SymbolArt().width(), 3 * step.size);
      QCOMPARE(FindInWindow<QWidget>(form, "Panel1")->width(), step.screen.width());
      // The readouts at the top and the wheels' frame at the foot are inside.
      const FaceLayout& layout = FaceOf(form).Layout();
      QVERIFY(layout.RowCredits - 26 >= 0);
      QVERIFY(layout.ReelTop + 3 * step.size + 9 <= FaceOf(form).height());
    }
    form.setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(form.centralWidget()->size(), QSize(632, 394));
    QCOMPARE(FaceOf(form).SymbolSize(), 96);
    QCOMPARE(ButtonLefts(form), (QList<int>{22, 174, 326, 478}));
    MaximizeOn(form, QSize(1032, 800));
    // Gap (1032 - 528) div 5 = 100, first left (1032 - 528 - 300) div 2 = 102.
    QCOMPARE(ButtonLefts(form), (QList<int>{102, 334, 566, 798}));
  }

  void missingArtIsReportedAndTheGameGoesOn() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    QFile::remove(fixture.Program().File("volta144.bmp"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    MaximizeOn(form, QSize(800, 600));
    QCOMPARE(fixture.Script().warnings.size(), 1);
    QVERIFY(fixture.Script().warnings[0].contains("volta144.bmp"));
    QVERIFY(FaceOf(form).SymbolArt().isNull());
    QCOMPARE(Probe(form).State().Strip1.size(), std::size_t(20));
    form.setWindowState(Qt::WindowNoState);
    QTRY_COMPARE(form.centralWidget()->size(), QSize(632, 394));
    QCOMPARE(FaceOf(form).SymbolArt().width(), 288);
  }

  void draggedSizeSnapsBack() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.resize(700, form.height());
    QTRY_COMPARE(form.centralWidget()->size(), QSize(632, 394));
    QCOMPARE(FaceOf(form).SymbolSize(), 96);
  }

  // The art of the normal size is gone from the folder after the start: a
  // reload would fail and say so. A drag through other sizes reloads
  // nothing, paints no face laid out for them, and comes back to the
  // normal size.
  void straySizesNeitherReloadArtNorPaintAtThem() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    PaintSizes paints(FaceOf(form), *form.centralWidget());
    QVERIFY(QFile::remove(fixture.Program().File("volta96.bmp")));
    const QSize normal(632, 394);
    const QSize frame = form.size() - normal;
    for (const QSize stray :
         {QSize(700, 394), QSize(900, 600), QSize(1100, 800), QSize(600, 350)}) {
      form.resize(frame + stray);
      FaceOf(form).update();
      QCoreApplication::processEvents();
    }
    QTRY_COMPARE(form.centralWidget()->size(), normal);
    FaceOf(form).repaint();
    QVERIFY(paints.clientSizes.size() >= 2);  // went through strays and back
    QVERIFY(paints.paints > 0);
    QCOMPARE(paints.wrong, QList<QSize>());
    QCOMPARE(fixture.Script().warnings, QStringList());
    QCOMPARE(FaceOf(form).SymbolSize(), 96);
    QCOMPARE(FaceOf(form).size(), QSize(632, 337));
    QVERIFY(!FaceOf(form).SymbolArt().isNull());
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
    QCOMPARE(int(Probe(form).CurrentSettings().BackMode), 0);
    QCOMPARE(QString::fromStdString(Probe(form).CurrentSettings().BackBMP), path);
    QCOMPARE(FacePixel(form, 2, 2), QColor(200, 10, 10));
    // The next choice starts in the folder of the last picture.
    fixture.Item("Tiled1")->trigger();
    QCOMPARE(fixture.Script().fileFolders.last(), elsewhere.path() + '/');
  }

  void tiledBitmapCancelledOrUnreadable() {
    FormFixture fixture(QStringLiteral("[Settings]\r\nBackMode=1\r\nBackColor=16711680\r\n"));
    TForm1& form = fixture.Form();
    const std::string backBmp = Probe(form).CurrentSettings().BackBMP;
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
    QCOMPARE(int(Probe(form).CurrentSettings().BackMode), 1);
    QCOMPARE(Probe(form).CurrentSettings().BackBMP, backBmp);
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
    QCOMPARE(int(Probe(form).CurrentSettings().BackMode), 0);
    QCOMPARE(FacePixel(form, 2, 2), TestProgramDir::BackgroundColor());

    fixture.Script().colorAnswers = {QColor(0, 64, 128)};
    fixture.Item("None1")->trigger();
    QVERIFY(!fixture.Item("Tiled1")->isChecked());
    QVERIFY(fixture.Item("None1")->isChecked());
    QCOMPARE(int(Probe(form).CurrentSettings().BackMode), 1);
    QCOMPARE(Probe(form).CurrentSettings().BackColor, 0x00804000);
    QCOMPARE(FacePixel(form, 2, 2), QColor(0, 64, 128));

    // The picker opens on black first, then on the colour last confirmed.
    fixture.Item("None1")->trigger();
    QCOMPARE(fixture.Script().colorStarts,
             (QList<QColor>{QColor(Qt::black), QColor(Qt::black), QColor(0, 64, 128)}));
    QCOMPARE(int(Probe(form).CurrentSettings().BackMode), 1);
  }
};

TEST_CLASS_ON_SCREENS(FaceTest);
#include "FaceTest.moc"
