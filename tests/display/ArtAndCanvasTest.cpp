// SPDX-License-Identifier: GPL-3.0-or-later
// Loading symbol art and pictures, and the canvas that shows its changes at
// once.

#include <QPaintEvent>
#include <QTemporaryDir>
#include <QTest>

#include "CanvasWidget.h"
#include "FaceTestSupport.h"
#include "SymbolArt.h"
#include "TestRegistry.h"

namespace {

class CountingCanvas : public CanvasWidget {
 public:
  int paints = 0;
  int fullPaints = 0;
  QRegion lastRegion;

 protected:
  void PaintCanvas() override {
    ++fullPaints;
    Canvas().fill(Qt::green);
  }
  void paintEvent(QPaintEvent* event) override {
    ++paints;
    lastRegion = event->region();
    CanvasWidget::paintEvent(event);
  }
};

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile file(dir.filePath(name));
  if (!file.open(QIODevice::WriteOnly)) return {};
  file.write(bytes);
  return file.fileName();
}

}  // namespace

class ArtAndCanvasTest : public QObject {
  Q_OBJECT

 private slots:
  void loadsTheArtForTheSize() {
    QTemporaryDir dir;
    QVERIFY(MakeTestArt(144).save(dir.filePath("volta144.bmp"), "BMP"));
    QImage art;
    QCOMPARE(LoadSymbolArtFile(dir.path() + "/", 144, art), std::nullopt);
    QCOMPARE(art.size(), QSize(432, 432));
    QCOMPARE(art.pixel(200, 10) | 0xFF000000U, ArtColour(1));
  }

  void missingArtIsAnErrorAndLeavesNoArt() {
    QTemporaryDir dir;
    QImage art = MakeTestArt(96);
    const auto error = LoadSymbolArtFile(dir.path() + "/", 96, art);
    QVERIFY(error.has_value());
    QVERIFY(error->contains("volta96.bmp"));
    QVERIFY(art.isNull());
  }

  // A file that is not a bitmap is refused even under a .bmp name.
  void otherPicturesAreNotBitmaps() {
    QTemporaryDir dir;
    QVERIFY(MakeTestArt(96).save(dir.filePath("volta96.bmp"), "PNG"));
    QImage art;
    QVERIFY(LoadSymbolArtFile(dir.path() + "/", 96, art).has_value());
    QVERIFY(art.isNull());

    const QString junk = WriteFile(dir, "junk.bmp", "BM not really a bitmap");
    const LoadedBitmap refused = LoadBitmapFile(junk);
    QVERIFY(!refused.ok());
    QCOMPARE(refused.error, QStringLiteral("Bitmap image is not valid: \"%1\".").arg(junk));
    QVERIFY(refused.picture.isNull());
    const LoadedBitmap missing = LoadBitmapFile(dir.path() + "/none.bmp");
    QVERIFY(!missing.ok());
    QVERIFY(missing.error.startsWith("Cannot open file"));

    // A good picture comes back ready to draw, with no error.
    QVERIFY(MakeTestArt(96).save(dir.path() + "/good.bmp", "BMP"));
    const LoadedBitmap good = LoadBitmapFile(dir.path() + "/good.bmp");
    QVERIFY(good.ok());
    QCOMPARE(good.picture.format(), QImage::Format_RGB32);
    QCOMPARE(good.picture, MakeTestArt(96).convertToFormat(QImage::Format_RGB32));
  }

  // After a failed load the wheel windows show no symbols.
  void faceWithoutArtShowsEmptyWheels() {
    QTemporaryDir dir;
    FaceRig rig(632, 394, 96);
    QVERIFY(rig.face->LoadSymbolArt(dir.path() + "/").has_value());
    rig.face->FormPaint();
    const QRect cell = rig.Layout().CellRect(1, 1);
    QCOMPARE(rig.Pixel(cell.left() + 30, cell.top() + 30), White);
    rig.state.Window = {0, 0, 0, 0, 0, 0, 0, 0, 0};
    rig.face->Blink();  // nothing to blink with, and no harm done
    QCOMPARE(rig.Pixel(cell.left() + 30, cell.top() + 30), White);
  }

  // A change shown while visible is painted at once, before control
  // returns; a batch of changes is painted once.
  void showRectRepaintsNow() {
    CountingCanvas canvas;
    canvas.resize(200, 100);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QCOMPARE(canvas.fullPaints, 1);
    const int before = canvas.paints;
    canvas.Canvas().fill(Qt::red);
    canvas.ShowRect(QRect(10, 10, 20, 20));
    QCOMPARE(canvas.paints, before + 1);
    QCOMPARE(canvas.lastRegion.boundingRect(), QRect(10, 10, 20, 20));
    {
      CanvasWidget::ShowBatch batch(canvas);
      canvas.ShowRect(QRect(0, 0, 5, 5));
      canvas.ShowRect(QRect(50, 50, 5, 5));
      QCOMPARE(canvas.paints, before + 1);
    }
    QCOMPARE(canvas.paints, before + 2);
    QCOMPARE(canvas.lastRegion.boundingRect(), QRect(0, 0, 55, 55));
    // The window shows the canvas.
    QCOMPARE(canvas.grab().toImage().pixel(15, 15) | 0xFF000000U, Red);
    QCOMPARE(canvas.fullPaints, 1);
  }

  // A new size gives a fresh canvas, which the next paint fills in full.
  void resizeRedrawsOnNextPaint() {
    CountingCanvas canvas;
    canvas.resize(120, 80);
    QCOMPARE(canvas.Canvas().size(), QSize(120, 80));
    canvas.resize(140, 90);
    QCOMPARE(canvas.Canvas().size(), QSize(140, 90));
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QCOMPARE(canvas.fullPaints, 1);
    QCOMPARE(canvas.grab().toImage().pixel(130, 85) | 0xFF000000U, 0xFF00FF00);
  }
};

REGISTER_DISPLAY_TEST(ArtAndCanvasTest);
#include "ArtAndCanvasTest.moc"
