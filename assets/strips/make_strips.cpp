// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the face's three glyph strips as 16-colour bitmaps:
//   make_strips <dotfont.txt> <output folder>
// writes Digits.bmp, Alpha.bmp and Image1.bmp into the folder.

#include <QFile>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <array>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// The classic 16-colour palette; the strips use only a few of its entries.
enum Colour : int {
  Black = 0,
  Blue = 1,
  Cyan = 2,
  Green = 3,
  Magenta = 4,
  Red = 5,
  White = 6,
  Yellow = 7,
  DarkYellow = 8,
  DarkRed = 9,
  DarkBlue = 10,
  Grey = 11,
  Silver = 12,
  DarkGreen = 13,
  DarkCyan = 14,
  DarkMagenta = 15,
};

QImage BlankStrip(int width, int height) {
  QImage image(width, height, QImage::Format_Indexed8);
  image.setColorTable({qRgb(0, 0, 0), qRgb(0, 0, 255), qRgb(0, 255, 255), qRgb(0, 255, 0),
                       qRgb(255, 0, 255), qRgb(255, 0, 0), qRgb(255, 255, 255), qRgb(255, 255, 0),
                       qRgb(128, 128, 0), qRgb(128, 0, 0), qRgb(0, 0, 128), qRgb(128, 128, 128),
                       qRgb(192, 192, 192), qRgb(0, 128, 0), qRgb(0, 128, 128), qRgb(128, 0, 128)});
  image.fill(Black);
  return image;
}

// --- Digits: seven bands of seven-segment digits -------------------------

constexpr int BandPitch = 21;
constexpr int DigitPitch = 16;
constexpr std::array<int, 7> BandColours{Blue, Cyan, Green, Magenta, Red, White, Yellow};

// Segments a..g as bits 0..6.
constexpr std::array<int, 10> DigitSegments{
    0b0111111,  // 0: a b c d e f
    0b0000110,  // 1: b c
    0b1011011,  // 2: a b d e g
    0b1001111,  // 3: a b c d g
    0b1100110,  // 4: b c f g
    0b1101101,  // 5: a c d f g
    0b1111101,  // 6: a c d e f g
    0b0000111,  // 7: a b c
    0b1111111,  // 8
    0b1101111,  // 9: a b c d f g
};

// Whether pixel (x, y) of a 15 x 20 cell lies on segment s. The segments are
// 3 px thick inside x 2..13, rows 2..18, with mitred ends so neighbours meet
// on a diagonal instead of overlapping.
bool OnSegment(int s, int x, int y) {
  const int mirroredX = 15 - x;  // right-hand columns 11..13 mirror 4..2
  auto horizontal = [&](int outerRow, int towardCentre) {
    const int t = (y - outerRow) * towardCentre;  // 0 on the outer edge
    return t >= 0 && t <= 2 && x >= 3 + t && x <= 12 - t;
  };
  auto vertical = [&](int column, int firstRow, int lastRow) {
    const int t = column - 2;  // 0 on the outer edge
    return t >= 0 && t <= 2 && y >= firstRow + t && y <= lastRow - t;
  };
  switch (s) {
    case 0:
      return horizontal(2, 1);  // a, top
    case 1:
      return vertical(mirroredX, 3, 9);  // b, upper right
    case 2:
      return vertical(mirroredX, 11, 17);  // c, lower right
    case 3:
      return horizontal(18, -1);  // d, bottom
    case 4:
      return vertical(x, 11, 17);  // e, lower left
    case 5:
      return vertical(x, 3, 9);  // f, upper left
    case 6:                      // g, middle
      return (y == 10 && x >= 3 && x <= 12) || ((y == 9 || y == 11) && x >= 4 && x <= 11);
    default:
      return false;
  }
}

QImage MakeDigits() {
  QImage image = BlankStrip(188, 147);
  for (int band = 0; band < 7; ++band) {
    const int top = band * BandPitch;
    const auto colour = static_cast<uint>(BandColours[static_cast<std::size_t>(band)]);
    for (int digit = 0; digit < 10; ++digit) {
      const int left = digit * DigitPitch;
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 15; ++x)
          for (int s = 0; s < 7; ++s)
            if ((DigitSegments[static_cast<std::size_t>(digit)] >> s & 1) && OnSegment(s, x, y))
              image.setPixel(left + x, top + y, colour);
    }
    // Decimal point: a 2 x 3 dot near the foot of its 4 x 20 cell.
    for (int y = 16; y <= 18; ++y)
      for (int x = 177; x <= 178; ++x) image.setPixel(x, top + y, colour);
    // Colon: two 3 x 3 dots.
    for (int x = 183; x <= 185; ++x)
      for (int y : {5, 6, 7, 13, 14, 15}) image.setPixel(x, top + y, colour);
  }
  // Band 2's cell at x 160 stays black: it is the blank glyph.
  return image;
}

// --- Alpha: dot-matrix capitals -------------------------------------------

constexpr int AlphaCells = 39;
constexpr int AlphaPitch = 13;

struct DotGlyph {
  QChar character;
  QStringList rows;
};

std::vector<DotGlyph> ReadDotFont(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  std::vector<DotGlyph> glyphs;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (line.isEmpty() || line.startsWith(QStringLiteral("# "))) continue;  // comment
    if (line.size() == 1) {
      glyphs.push_back({line[0], {}});
    } else if (!glyphs.empty()) {
      glyphs.back().rows << line;
    }
  }
  return glyphs;
}

bool ValidFont(const std::vector<DotGlyph>& glyphs) {
  if (static_cast<int>(glyphs.size()) != AlphaCells) return false;
  for (const auto& glyph : glyphs) {
    if (glyph.rows.size() != 9) return false;
    for (const auto& row : glyph.rows)
      if (row.size() != 5) return false;
  }
  return true;
}

QImage MakeAlpha(const std::vector<DotGlyph>& glyphs) {
  QImage image = BlankStrip(AlphaCells * AlphaPitch, 28);
  for (int cell = 0; cell < AlphaCells; ++cell) {
    const auto& rows = glyphs[static_cast<std::size_t>(cell)].rows;
    for (int row = 0; row < 9; ++row)
      for (int column = 0; column < 5; ++column)
        if (rows[row][column] == '#')
          image.setPixel(cell * AlphaPitch + 2 + 2 * column, 5 + 2 * row, Green);
  }
  return image;
}

// --- Image1: three ringed lamps --------------------------------------------

QImage MakeLamps() {
  QImage image = BlankStrip(17, 51);
  constexpr std::array<int, 3> Fills{Black, Red, Blue};
  constexpr std::array<int, 3> Shines{Black, White, Cyan};
  for (int lamp = 0; lamp < 3; ++lamp) {
    for (int y = 0; y < 17; ++y) {
      for (int x = 0; x < 17; ++x) {
        const double distance = std::hypot(x - 8.0, y - 8.0);
        int colour = Black;
        if (distance <= 8.2 && distance >= 6.3) {
          colour = distance >= 7.3 ? DarkYellow : Yellow;
        } else if (distance < 6.3) {
          colour = Fills[static_cast<std::size_t>(lamp)];
          // A small glint up and to the left makes a lit lamp look round.
          if (lamp > 0 && std::hypot(x - 6.0, y - 6.0) < 1.5)
            colour = Shines[static_cast<std::size_t>(lamp)];
        }
        image.setPixel(x, lamp * 17 + y, static_cast<uint>(colour));
      }
    }
  }
  return image;
}

bool Save(const QImage& image, const QString& folder, const char* name) {
  const QString path = folder + '/' + name;
  if (image.save(path, "BMP")) return true;
  std::fprintf(stderr, "make_strips: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_strips <dotfont.txt> <output folder>\n");
    return 2;
  }
  const auto glyphs = ReadDotFont(QString::fromLocal8Bit(argv[1]));
  if (!ValidFont(glyphs)) {
    std::fprintf(stderr, "make_strips: %s must hold 39 glyphs of 9 rows of 5 marks\n", argv[1]);
    return 1;
  }
  const QString folder = QString::fromLocal8Bit(argv[2]);
  const bool ok = Save(MakeDigits(), folder, "Digits.bmp") &&
                  Save(MakeAlpha(glyphs), folder, "Alpha.bmp") &&
                  Save(MakeLamps(), folder, "Image1.bmp");
  return ok ? 0 : 1;
}
