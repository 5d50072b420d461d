// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the rendered art the game loads: the symbol sheets, the background
// tile and the pictures compiled into the resource library.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QtTest>
#include <cmath>
#include <cstdlib>

#include "Pictures.h"
#include "QtTestClasses.h"

namespace {

const QString kAssetDir = QStringLiteral(VOLTARO_ASSET_DIR);

// Bits per pixel as written in the BMP header.
int BmpBitsPerPixel(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray header = file.read(30);
  if (header.size() < 30 || !header.startsWith("BM")) return -1;
  return static_cast<unsigned char>(header[28]) | (static_cast<unsigned char>(header[29]) << 8);
}

QImage Cell(const QImage& sheet, int k) {
  const int size = sheet.width() / 3;
  return sheet.copy((k % 3) * size, (k / 3) * size, size, size);
}

// Mean absolute difference per channel, 0..255.
double MeanDifference(const QImage& a, const QImage& b) {
  double sum = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  }
  return sum / (3.0 * a.width() * a.height());
}

bool Near(QRgb pixel, QColor colour, int tolerance) {
  return std::abs(qRed(pixel) - colour.red()) <= tolerance &&
         std::abs(qGreen(pixel) - colour.green()) <= tolerance &&
         std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
}

}  // namespace

class ArtFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { InitPictures(); }

  void symbolSheets_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("cellSize");
    QTest::newRow("96") << "volta96.bmp" << 96;
    QTest::newRow("144") << "volta144.bmp" << 144;
    QTest::newRow("192") << "volta192.bmp" << 192;
    // The cells scaled screens need, for 96, 144 and 192 at 125% to 300%.
    for (int size : {120, 180, 216, 240, 288, 384, 432, 576})
      QTest::newRow(qPrintable(QString::number(size))) << QString("volta%1.png").arg(size) << size;
  }

  void symbolSheets() {
    QFETCH(QString, file);
    QFETCH(int, cellSize);
    const QString path = kAssetDir + file;
    if (file.endsWith(".bmp")) QCOMPARE(BmpBitsPerPixel(path), 24);
    const QImage sheet(path);
    QCOMPARE(sheet.size(), QSize(3 * cellSize, 3 * cellSize));

    // Every cell, the two blink pictures included, must tell itself apart.
    for (int a = 0; a < 9; ++a)
      for (int b = a + 1; b < 9; ++b)
        QVERIFY2(MeanDifference(Cell(sheet, a), Cell(sheet, b)) > 12.0,
                 qPrintable(QString("cells %1 and %2 look alike").arg(a).arg(b)));

    // The reel background reaches the cell's corners (the last column is
    // never shown, so the check stops one short of it): light and warm, not
    // the white of an undrawn margin.
    for (int k = 0; k < 9; ++k) {
      const QImage cell = Cell(sheet, k);
      for (const QPoint corner : {QPoint(0, 0), QPoint(cellSize - 2, 0), QPoint(0, cellSize - 1),
                                  QPoint(cellSize - 2, cellSize - 1)}) {
        const QRgb p = cell.pixel(corner);
        QVERIFY2(qGray(p) > 150 && qRed(p) - qBlue(p) > 10,
                 qPrintable(QString("cell %1 corner is not reel background").arg(k)));
      }
    }
  }

  // The three sizes show the same pictures in the same cells.
  void sheetsAgreeAcrossSizes() {
    const QImage small(kAssetDir + "volta96.bmp");
    for (const QString file : {"volta144.bmp", "volta192.bmp", "volta120.png", "volta576.png"}) {
      const QImage reduced =
          QImage(kAssetDir + file)
              .scaled(small.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
              .convertToFormat(small.format());
      for (int k = 0; k < 9; ++k)
        QVERIFY2(MeanDifference(Cell(small, k), Cell(reduced, k)) < 6.0,
                 qPrintable(QString("%1 cell %2 differs from volta96.bmp").arg(file).arg(k)));
    }
  }

  void backgroundTileIsSeamless() {
    const QString path = kAssetDir + "BKGRND1.BMP";
    QCOMPARE(BmpBitsPerPixel(path), 24);
    const QImage tile(path);
    QCOMPARE(tile.size(), QSize(128, 128));
    const int last = 127;
    // Tiles are laid one pixel closer than their size, so the last column
    // and row must repeat the first ones.
    for (int i = 0; i < 128; ++i) {
      QCOMPARE(tile.pixel(last, i), tile.pixel(0, i));
      QCOMPARE(tile.pixel(i, last), tile.pixel(i, 0));
    }
    // A pattern, not a flat fill; and a dark one, so the machine stands out.
    int distinct = 0;
    const QRgb base = tile.pixel(5, 5);
    double brightness = 0;
    for (int y = 0; y < 127; ++y)
      for (int x = 0; x < 127; ++x) {
        distinct += tile.pixel(x, y) != base;
        brightness += qGray(tile.pixel(x, y));
      }
    QVERIFY(distinct > 500);
    QVERIFY(brightness / (127.0 * 127.0) < 96);
  }

  // The buttons' pictures are ready pixels, each beside the PNG rendering of
  // its drawing, which they must match to the pixel.
  void windowPictures_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("pixels");
    const QString rendered = QStringLiteral(VOLTARO_PICTURE_DIR);
    QTest::newRow("icon") << IconPicture << QSize(256, 256) << QString();
    QTest::newRow("icon32") << IconPicture32 << QSize(32, 32) << QString();
    QTest::newRow("bet1") << rendered + "bet1.png" << QSize(24, 24) << Bet1Pixels;
    QTest::newRow("betmax") << rendered + "betmax.png" << QSize(24, 24) << BetMaxPixels;
    QTest::newRow("payoff") << rendered + "payoff.png" << QSize(24, 24) << PayoffChartPixels;
    QTest::newRow("spin") << rendered + "spin.png" << QSize(24, 24) << SpinPixels;
    QTest::newRow("help") << HelpPicture << QSize(24, 24) << QString();
  }

  void windowPictures() {
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(QString, pixels);
    const QImage picture(path);
    QCOMPARE(picture.size(), size);
    // Drawn on a transparent ground, with something in the middle.
    QCOMPARE(qAlpha(picture.pixel(0, 0)), 0);
    QVERIFY(qAlpha(picture.pixel(size.width() / 2, size.height() / 2)) > 0);
    if (pixels.isEmpty()) return;
    const QByteArray resource = pixels.toLatin1();
    const QImage ready = ReadyPixels(resource.constData(), ButtonPictureSize);
    QCOMPARE(ready.size(), size);
    QCOMPARE(ready, picture);
    // Pixels read at another size, or from what is not bare pixels, give none.
    QVERIFY(ReadyPixels(resource.constData(), size - QSize(0, 1)).isNull());
    QVERIFY(ReadyPixels(resource.constData(), size + QSize(1, 0)).isNull());
    QVERIFY(ReadyPixels(HelpPicture, size).isNull());
  }

  void chips_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("oval");
    QTest::addColumn<QColor>("text");
    QTest::newRow("$1,000") << 0 << QColor("#0A2AD0") << QColor(Qt::cyan);
    QTest::newRow("$100") << 1 << QColor("#D01010") << QColor(Qt::yellow);
    QTest::newRow("$10") << 2 << QColor("#108A10") << QColor(Qt::yellow);
    QTest::newRow("$1") << 3 << QColor("#101010") << QColor(Qt::white);
    QTest::newRow("10c") << 4 << QColor("#E020E0") << QColor(Qt::black);
    QTest::newRow("1c") << 5 << QColor("#20E0E0") << QColor("#0000C0");
  }

  void chips() {
    QFETCH(int, index);
    QFETCH(QColor, oval);
    QFETCH(QColor, text);
    const QImage chip(ChipPictures.at(index));
    QCOMPARE(chip.size(), QSize(72, 48));
    // Oval: the corners are clear.
    for (const QPoint corner : {QPoint(0, 0), QPoint(71, 0), QPoint(0, 47), QPoint(71, 47)})
      QCOMPARE(qAlpha(chip.pixel(corner)), 0);
    // The caption sits on the chip's colour in the middle.
    int ovalPixels = 0;
    int textPixels = 0;
    for (int y = 12; y < 36; ++y)
      for (int x = 14; x < 58; ++x) {
        ovalPixels += Near(chip.pixel(x, y), oval, 24);
        textPixels += Near(chip.pixel(x, y), text, 24);
      }
    QVERIFY2(ovalPixels > 200, qPrintable(QString::number(ovalPixels)));
    QVERIFY2(textPixels > 30, qPrintable(QString::number(textPixels)));
  }
};

QT_TEST_CLASS(ArtFilesTest);
#include "ArtFilesTest.moc"
