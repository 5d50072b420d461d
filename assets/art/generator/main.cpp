// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool that renders the game's vector art into the files the
// program loads. Usage:
//   voltaro_artgen sheet <out.bmp|out.png> <cell size> <cell0.svg> ... <cell8.svg>
//   voltaro_artgen tile  <out.bmp> <size> <tile.svg>
//   voltaro_artgen png   <out.png> <width> <height> <picture.svg>
//   voltaro_artgen pixels <out.argb32> <width> <height> <picture.svg>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

#include "Rasterize.h"

namespace {

int Fail(const QString& message) {
  QTextStream(stderr) << "voltaro_artgen: " << message << '\n';
  return 1;
}

bool ParseSize(const QString& text, int& value) {
  bool ok = false;
  value = text.toInt(&ok);
  return ok && value > 0 && value <= 4096;
}

int MakeSheet(const QStringList& args) {
  int cellSize = 0;
  if (args.size() != 12 || !ParseSize(args.at(2), cellSize))
    return Fail("sheet needs <out.bmp or .png> <cell size> and nine SVG files");
  const QImage sheet = rasterize::RenderSymbolSheet(args.mid(3), cellSize);
  if (sheet.isNull()) return Fail("cannot render the symbol sheet for " + args.at(1));
  // The sizes for scaled screens are large; PNG keeps them small.
  const bool png = args.at(1).endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
  const bool saved =
      png ? sheet.save(args.at(1), "PNG") : rasterize::SaveOpaqueBmp(sheet, args.at(1));
  if (!saved) return Fail("cannot write " + args.at(1));
  return 0;
}

int MakeTile(const QStringList& args) {
  int size = 0;
  if (args.size() != 4 || !ParseSize(args.at(2), size) || size < 2)
    return Fail("tile needs <out.bmp> <size> <tile.svg>");
  const QImage tile = rasterize::RenderSeamlessTile(args.at(3), size);
  if (tile.isNull()) return Fail("cannot render " + args.at(3));
  if (!rasterize::SaveOpaqueBmp(tile, args.at(1))) return Fail("cannot write " + args.at(1));
  return 0;
}

int MakePng(const QStringList& args) {
  int width = 0;
  int height = 0;
  if (args.size() != 5 || !ParseSize(args.at(2), width) || !ParseSize(args.at(3), height))
    return Fail("png needs <out.png> <width> <height> <picture.svg>");
  const QImage picture = rasterize::RenderSvg(args.at(4), width, height);
  if (picture.isNull()) return Fail("cannot render " + args.at(4));
  if (!picture.save(args.at(1), "PNG")) return Fail("cannot write " + args.at(1));
  return 0;
}

// The picture as the PNG writer would store it, converted to ARGB32, written
// as its bare pixels: rows of 32-bit values, top to bottom, in this machine's
// byte order, which the game built alongside shares.
int MakePixels(const QStringList& args) {
  int width = 0;
  int height = 0;
  if (args.size() != 5 || !ParseSize(args.at(2), width) || !ParseSize(args.at(3), height))
    return Fail("pixels needs <out.argb32> <width> <height> <picture.svg>");
  const QImage picture =
      rasterize::RenderSvg(args.at(4), width, height).convertToFormat(QImage::Format_ARGB32);
  if (picture.isNull()) return Fail("cannot render " + args.at(4));
  // 32-bit rows need no padding, so the image's bytes are the rows end to end.
  QSaveFile file(args.at(1));
  const auto* bytes = reinterpret_cast<const char*>(picture.constBits());
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(bytes, picture.sizeInBytes()) != picture.sizeInBytes() || !file.commit())
    return Fail("cannot write " + args.at(1));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  // Fonts for the chip captions need a GUI application; the build runs it on
  // the offscreen platform.
  QGuiApplication app(argc, argv);
  QStringList args = QGuiApplication::arguments().mid(1);
  if (args.isEmpty()) return Fail("expected sheet, tile, png or pixels");
  const QString command = args.at(0);
  if (command == "sheet") return MakeSheet(args);
  if (command == "tile") return MakeTile(args);
  if (command == "png") return MakePng(args);
  if (command == "pixels") return MakePixels(args);
  return Fail("unknown command " + command);
}
