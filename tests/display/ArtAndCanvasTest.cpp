// SPDX-License-Identifier: GPL-3.0-or-later
// Loading symbol art and pictures, and the canvas that shows its changes at
// once.

#include <QBackingStore>
#include <QDataStream>
#include <QFile>
#include <QImageReader>
#include <QPaintEvent>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QtMath>
#include <cstdlib>

#include "Blit.h"
#include "CanvasWidget.h"
#include "FaceTestSupport.h"
#include "PlainBitmap.h"
#include "PrivateXServer.h"
#include "ScaledScreens.h"
#include "SharedWindowImage.h"
#include "Strips.h"
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

// A bitmap file with a 40-byte header and `bits` per pixel, its rows bottom
// up (top down for a negative height) after a palette, if any (of all
// 2^bits colours unless `colours` says fewer), and `gap` unused bytes; every
// byte of them different from its neighbours.
QByteArray Bitmap(int width, int height, int bits, int gap = 0, int colours = 0) {
  const int paletteBytes = bits <= 8 ? 4 * (colours != 0 ? colours : 1 << bits) : 0;
  const int rowBytes = (width * bits + 31) / 32 * 4;
  const int pixelBytes = rowBytes * std::abs(height);
  const int pixelsAt = 54 + paletteBytes + gap;
  QByteArray file;
  QDataStream out(&file, QIODevice::WriteOnly);
  out.setByteOrder(QDataStream::LittleEndian);
  out.writeRawData("BM", 2);
  out << quint32(pixelsAt + pixelBytes) << quint32(0) << quint32(pixelsAt) << quint32(40)
      << qint32(width) << qint32(height) << quint16(1) << quint16(bits) << quint32(0)
      << quint32(pixelBytes) << qint32(3780) << qint32(2835) << quint32(colours) << quint32(0);
  for (int i = 0; i < paletteBytes; ++i) file.append(char(i * 53 + 7));
  file.append(gap, '\x55');
  for (int i = 0; i < pixelBytes; ++i) file.append(char(i * 37 + 11));
  return file;
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A face of the start-up size with the built game's art and a bit of
// everything in view: money, a win on a diagonal, lit lamps.
void SetUpFace(FaceRig& rig) {
  QCOMPARE(rig.face->LoadSymbolArt(QStringLiteral(VOLTARO_ASSET_DIR)), std::nullopt);
  rig.state.Credits = 1234.56;
  rig.state.Wager = 1.25;
  rig.state.LinePay = {0, 0, 0, 5, 0};
  rig.face->FormPaint();
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
    // Nor is a bitmap short of its last row shown with a row of whatever
    // the memory held.
    const QString cut = WriteFile(dir, "cut.bmp", Bitmap(5, 3, 4).chopped(8));
    QCOMPARE(LoadBitmapFile(cut).error,
             QStringLiteral("Bitmap image is not valid: \"%1\".").arg(cut));
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

  // Plain bitmaps are read directly, any other kind by Qt's reader; either
  // way the picture is the one Qt's reader makes.
  void bitmapsReadAsQtReadsThem_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("plain");
    QTest::newRow("bottom up, padded rows") << Bitmap(5, 3, 24) << true;
    QTest::newRow("top down") << Bitmap(5, -3, 24) << true;
    QTest::newRow("pixels after a gap") << Bitmap(4, 2, 24, 10) << true;
    QTest::newRow("4 bits, padded rows") << Bitmap(5, 3, 4) << true;
    QTest::newRow("8 bits, top down") << Bitmap(5, -3, 8) << true;
    QTest::newRow("4 bits, a palette that gives its size") << Bitmap(5, 3, 4, 0, 16) << true;
    QTest::newRow("a colour past the palette") << Bitmap(4, 2, 8, 0, 3) << false;
    QTest::newRow("32 bits") << Bitmap(4, 2, 32) << false;
    QTest::newRow("compressed") << Bitmap(4, 2, 24).replace(30, 1, "\x01") << false;
    QTest::newRow("pixels inside the header") << Bitmap(4, 2, 24).replace(10, 1, "\x20") << false;
    QTest::newRow("no width") << Bitmap(0, 2, 24) << false;
    QTest::newRow("shipped symbol art") << FileBytes(VOLTARO_ASSET_DIR "volta96.bmp") << true;
    QTest::newRow("shipped background") << FileBytes(VOLTARO_ASSET_DIR "BKGRND1.BMP") << true;
    InitStrips();
    QTest::newRow("LED digits") << FileBytes(strips::DigitsPath) << true;
  }
  void bitmapsReadAsQtReadsThem() {
    QFETCH(QByteArray, file);
    QFETCH(bool, plain);
    QVERIFY(file.size() > 2);
    const auto* bytes = reinterpret_cast<const uchar*>(file.constData());
    QCOMPARE(ReadPlainBitmap(bytes, file.size()).has_value(), plain);
    QTemporaryDir dir;
    const QString path = WriteFile(dir, "picture.bmp", file);
    QImageReader reader(path, "bmp");
    reader.setAutoDetectImageFormat(false);
    const QImage qt = reader.read();
    const LoadedBitmap ours = LoadBitmapFile(path);
    QCOMPARE(ours.ok(), !qt.isNull());
    if (qt.isNull()) return;
    QCOMPARE(ours.picture, qt.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(ours.picture.dotsPerMeterX(), qt.dotsPerMeterX());
    QCOMPARE(ours.picture.dotsPerMeterY(), qt.dotsPerMeterY());
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

  // Sent straight to the window, a batch is in the window's image at once
  // without a paint event; with a focus frame to draw over it, it is a
  // repaint after all.
  void straightToWindowNeedsNoPaintEvent() {
    CountingCanvas canvas;
    canvas.resize(200, 100);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    const int before = canvas.paints;
    canvas.Canvas().fill(Qt::red);
    const auto showStraight = [&canvas] {
      CanvasWidget::ShowBatch batch(canvas, CanvasWidget::ShowRoute::StraightToWindow);
      canvas.ShowRect(QRect(10, 10, 20, 20));
    };
    showStraight();
    QCOMPARE(canvas.paints, before);
    const auto* shown = dynamic_cast<const QImage*>(canvas.backingStore()->paintDevice());
    QVERIFY(shown != nullptr);
    QCOMPARE(shown->pixel(15, 15) | 0xFF000000U, Red);
    QCOMPARE(shown->pixel(35, 35) | 0xFF000000U, 0xFF00FF00U);

    canvas.setFocusPolicy(Qt::StrongFocus);
    canvas.activateWindow();
    canvas.setFocus();
    QTRY_VERIFY(canvas.hasFocus());
    const int focused = canvas.paints;
    showStraight();
    QCOMPARE(canvas.paints, focused + 1);
  }

  void sharedImageRouteNeedsTheBuildsQtAndNoSwitch_data() {
    QTest::addColumn<QByteArray>("runtime");
    QTest::addColumn<QByteArray>("switchedOff");
    QTest::addColumn<bool>("allowed");
    const auto version = [](int major, int minor, const char* rest) {
      return QByteArray::number(major) + '.' + QByteArray::number(minor) + rest;
    };
    const int major = QT_VERSION_MAJOR;
    const int minor = QT_VERSION_MINOR;
    QTest::newRow("the build's Qt") << version(major, minor, ".0") << QByteArray() << true;
    QTest::newRow("another patch") << version(major, minor, ".99") << QByteArray("0") << true;
    QTest::newRow("next minor") << version(major, minor + 1, ".0") << QByteArray() << false;
    QTest::newRow("minor with a digit more")
        << version(major, minor * 10 + 1, ".0") << QByteArray() << false;
    QTest::newRow("earlier minor") << version(major, minor - 1, ".3") << QByteArray() << false;
    QTest::newRow("next major") << version(major + 1, minor, ".0") << QByteArray() << false;
    QTest::newRow("no version") << QByteArray("") << QByteArray() << false;
    QTest::newRow("switched off") << version(major, minor, ".0") << QByteArray("1") << false;
    QTest::newRow("switched off, any word")
        << version(major, minor, ".0") << QByteArray("yes") << false;
  }

  // Writing into the server's image without waiting is only done on the Qt
  // the game was built with, and never once the player has switched it off.
  void sharedImageRouteNeedsTheBuildsQtAndNoSwitch() {
    QFETCH(QByteArray, runtime);
    QFETCH(QByteArray, switchedOff);
    QFETCH(bool, allowed);
    QCOMPARE(SharedImageRouteAllowed(runtime.constData(), switchedOff), allowed);
  }

  void faceIsDrawnAtItsScreensRatio_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("125%") << 1.25;
    QTest::newRow("150%") << 1.5;
    QTest::newRow("200%") << 2.0;
    QTest::newRow("300%") << 3.0;
  }

  // Put on a scaled screen, the face draws at the screen's own pixels: the
  // same face in the same places, but no blow-up of the face at ratio 1. Its
  // symbols, digits, captions and lamps have edges finer than a logical
  // pixel. Back on a plain screen it is the plain face again, byte for byte.
  void faceIsDrawnAtItsScreensRatio() {
    QFETCH(qreal, ratio);
    QScreen* plain = ScreenOfRatio(1.0);
    QScreen* scaledScreen = ScreenOfRatio(ratio);
    QVERIFY(plain != nullptr && scaledScreen != nullptr);
    FaceRig one(632, 394, 96);
    SetUpFace(one);
    FaceRig scaled(632, 394, 96);
    SetUpFace(scaled);
    QCOMPARE(scaled.Canvas(), one.Canvas());

    // Shown on the scaled screen, the face learns its ratio as a window does
    // and paints itself anew.
    MoveToScreen(*scaled.face, *scaledScreen);
    QTRY_COMPARE(scaled.face->CanvasRatio(), ratio);
    const QImage& canvas = scaled.Canvas();
    QCOMPARE(canvas.devicePixelRatio(), ratio);
    QCOMPARE(canvas.size(), QSize(qRound(632 * ratio), qRound(337 * ratio)));
    QCOMPARE(blit::LogicalSize(canvas), one.Canvas().size());
    // The art made for the device size of a symbol, not the 96-px art.
    QCOMPARE(scaled.face->SymbolArt().size(), QSize(3, 3) * qRound(96 * ratio));
    QCOMPARE(scaled.Layout().ReelLeft, one.Layout().ReelLeft);

    // Part by part; smooth edges at a fractional ratio blur more.
    const FaceLayout& f = one.Layout();
    const bool whole = ratio == qFloor(ratio);
    const QStringList failed = PartsNotDrawnAtRatio(
        canvas, one.Canvas(),
        {
            {"wheel 1", f.WheelRect(0), whole ? 2.0 : 9.0, 0.3},
            {"wheel 3", f.WheelRect(2), whole ? 2.0 : 9.0, 0.3},
            {"CREDITS digits", QRect(f.ReadoutRight + 15 - 139, f.RowCredits, 139, 20),
             whole ? 3.0 : 7.0, 0.02},
            {"CREDITS caption",
             QRect(f.ReadoutRight - 125 + 144 - 20 - 15 * 6, f.RowCredits - 24, 15 * 7, 27),
             whole ? 3.0 : 7.0, 0.04},
            {"lamps", QRect(f.ReadoutRight - 85, f.RowLines + 4, 97, 97), whole ? 13.0 : 20.0, 0.1},
            {"whole face", QRect(0, 0, 632, 337), whole ? 2.0 : 7.0, 0.1},
        });
    QVERIFY2(failed.isEmpty(), qPrintable(failed.join('\n')));

    MoveToScreen(*scaled.face, *plain);
    QTRY_COMPARE(scaled.face->CanvasRatio(), 1.0);
    QCOMPARE(scaled.Canvas(), one.Canvas());
    QCOMPARE(scaled.Canvas().devicePixelRatio(), 1.0);
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

REGISTER_SCALED_DISPLAY_TEST(ArtAndCanvasTest);

// The canvas on a real X server, read back from the server: what reaches the
// screen, not what Qt keeps. Wheel steps go straight to the window without
// waiting for the server where it shares the window's image, through Qt's
// own paint where it does not; either way the screen must end on the
// canvas's pixels.
class CanvasOnXServerTest : public QObject {
  Q_OBJECT

 protected:
  // Whether the route is taken, and whether Qt's image is shared memory.
  virtual bool ImageIsShared() const { return true; }
  virtual bool MemoryIsShared() const { return ImageIsShared(); }

 private:
  // The part of the window the server shows, as the canvas holds it.
  static QImage OnServer(CountingCanvas& canvas, const QRect& rect) {
    return canvas.screen()
        ->grabWindow(canvas.winId(), rect.x(), rect.y(), rect.width(), rect.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
  }

  // A wheel-like step: bands of colour that move down a column each step.
  static void DrawStep(CountingCanvas& canvas, const QRect& column, int step) {
    QImage& image = canvas.Canvas();
    for (int y = column.top(); y <= column.bottom(); ++y)
      blit::Fill(image, QRect(column.left(), y, column.width(), 1),
                 qRgb((y - step * 7) & 0xFF, (step * 13) & 0xFF, (y * 3) & 0xFF));
  }

 private slots:
  void wheelStepsEndOnTheCanvasPixels() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    CountingCanvas canvas;
    canvas.resize(320, 240);
    canvas.show();
    QVERIFY(QTest::qWaitForWindowExposed(&canvas));
    QVERIFY(canvas.backingStore() != nullptr);
    QCOMPARE(SharedWindowImage().IsShared(*canvas.backingStore()), ImageIsShared());
    const auto* image = dynamic_cast<const QImage*>(canvas.backingStore()->paintDevice());
    QVERIFY(image != nullptr);
    QCOMPARE(IsInSharedMapping(image->constBits()), MemoryIsShared());
    const QRect column(100, 20, 95, 190);
    const int paints = canvas.paints;
    const auto step = [&](int n) {
      DrawStep(canvas, column, n);
      CanvasWidget::ShowBatch batch(canvas, CanvasWidget::ShowRoute::StraightToWindow);
      canvas.ShowRect(column);
    };
    // Read back after each step...
    for (int n = 0; n < 20; ++n) {
      step(n);
      QCOMPARE(OnServer(canvas, column), canvas.Canvas().copy(column));
    }
    // ...with a paint of Qt's own in between...
    canvas.Canvas().fill(Qt::blue);
    canvas.ShowAll();
    QCOMPARE(canvas.paints, paints + 1);
    QCOMPARE(OnServer(canvas, canvas.rect()), canvas.Canvas());
    // ...and at the end of a run of steps sent as fast as they are drawn.
    for (int n = 20; n < 120; ++n) step(n);
    QCOMPARE(OnServer(canvas, canvas.rect()), canvas.Canvas());
    QCOMPARE(canvas.paints, paints + 1);
  }
};

// The same with Qt told not to share images with the server: it uploads
// what its paints mark, so the steps go through them.
class CanvasOnXServerWithoutSharedMemoryTest : public CanvasOnXServerTest {
  Q_OBJECT

 protected:
  bool ImageIsShared() const override { return false; }
};

// Switched off by the player, the route is not taken though the image is
// shared: the steps go through Qt's paint all the same.
class CanvasOnXServerRouteSwitchedOffTest : public CanvasOnXServerTest {
  Q_OBJECT

 protected:
  bool ImageIsShared() const override { return false; }
  bool MemoryIsShared() const override { return true; }
};

namespace {
void UsePrivateXServerRouteSwitchedOff() {
  setenv("VOLTARO_NO_SHARED_IMAGE", "1", 1);
  UsePrivateXServer();
}
void UsePrivateXServerWithoutSharedMemory() {
  setenv("QT_XCB_NO_MITSHM", "1", 1);
  UsePrivateXServer();
}
}  // namespace

QT_TEST_CLASS_WITH(CanvasOnXServerTest, UsePrivateXServer, nullptr);
QT_TEST_CLASS_WITH(CanvasOnXServerWithoutSharedMemoryTest, UsePrivateXServerWithoutSharedMemory,
                   nullptr);
QT_TEST_CLASS_WITH(CanvasOnXServerRouteSwitchedOffTest, UsePrivateXServerRouteSwitchedOff, nullptr);
#include "ArtAndCanvasTest.moc"
