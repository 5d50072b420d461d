// SPDX-License-Identifier: GPL-3.0-or-later
// Build-time tool that renders the game's vector art into the files the
// program loads. Usage:
//   voltaro_artgen sheet <out.bmp|out.png> <cell size> <cell0.svg> ... <cell8.svg>
//   voltaro_artgen tile  <out.bmp> <size> <tile.svg>
//   voltaro_artgen png   <out.png> <width> <height> <picture.svg>
#include <QGuiApplication>
#include <QImage>
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

}  // namespace

int main(int argc, char** argv) {
  // Fonts for the chip captions need a GUI application; the build runs it on
  // the offscreen platform.
  QGuiApplication app(argc, argv);
  QStringList args = QGuiApplication::arguments().mid(1);
  if (args.isEmpty()) return Fail("expected sheet, tile or png");
  const QString command = args.at(0);
  if (command == "sheet") return MakeSheet(args);
  if (command == "tile") return MakeTile(args);
  if (command == "png") return MakePng(args);
  return Fail("unknown command " + command);
}
