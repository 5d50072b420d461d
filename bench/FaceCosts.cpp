// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceCosts.h"

#include <QApplication>
#include <QPainter>
#include <algorithm>
#include <chrono>
#include <random>
#include <vector>

#include "GameState.h"
#include "MachineFace.h"
#include "Reels.h"

namespace {

using Clock = std::chrono::steady_clock;

// Symbol art with some detail in every cell, so copies move real pixels.
QImage BenchArt(int s) {
  QImage art(3 * s, 3 * s, QImage::Format_RGB32);
  QPainter painter(&art);
  for (int cell = 0; cell < 9; ++cell) {
    const QRect area((cell % 3) * s, (cell / 3) * s, s, s);
    painter.fillRect(area, QColor::fromHsv(cell * 40, 120, 230));
    painter.setBrush(QColor::fromHsv(cell * 40, 255, 160));
    painter.drawEllipse(area.adjusted(s / 8, s / 8, -s / 8, -s / 8));
  }
  return art;
}

struct Face {
  GameState state;
  MachineFace widget{state};

  Face(int width, int height, int symbolSize) {
    InstallStrips(state);
    widget.resize(width, height - PanelHeight);
    widget.SetSymbolSize(symbolSize);
    widget.SetSymbolArt(BenchArt(symbolSize));
    QImage tile(128, 128, QImage::Format_RGB32);
    tile.fill(QColor(40, 60, 90));
    widget.SetBackground({true, QColor(192, 192, 192), tile});
    widget.show();
    QApplication::processEvents();
    widget.RepaintMachine();
  }
};

// Median microseconds of `repetitions` runs of `work`.
template <typename Work>
double MedianMicros(int repetitions, Work work) {
  std::vector<double> times;
  times.reserve(static_cast<std::size_t>(repetitions));
  for (int i = 0; i < repetitions; ++i) {
    const auto start = Clock::now();
    work();
    times.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
  }
  std::nth_element(times.begin(), times.begin() + repetitions / 2, times.end());
  return times[static_cast<std::size_t>(repetitions / 2)];
}

}  // namespace

void MeasureFaceCosts(BenchTable& table, int repetitions) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> position(0, WheelPositions - 1);

  struct FaceCase {
    const char* name;
    int width, height, symbolSize;
  };
  for (const FaceCase& c : {FaceCase{"animation step, S = 96 (632 x 394)", 632, 394, 96},
                            FaceCase{"animation step, S = 144 (800 x 600)", 800, 600, 144},
                            FaceCase{"animation step, S = 192 (1920 x 1080)", 1920, 1080, 192}}) {
    Face face(c.width, c.height, c.symbolSize);
    const double micros = MedianMicros(repetitions, [&] {
      face.widget.ShowWheels({position(random), position(random), position(random)});
    });
    // One step of a Fast spin lasts 10 ms; drawing must be a small part of it.
    table.AddBelowLimit(c.name, micros / 1000, 1, "ms");
  }

  for (const FaceCase& c : {FaceCase{"full paint, 632 x 394", 632, 394, 96},
                            FaceCase{"full paint, 1920 x 1080", 1920, 1080, 192}}) {
    Face face(c.width, c.height, c.symbolSize);
    const double micros =
        MedianMicros(std::max(1, repetitions / 5), [&] { face.widget.RepaintMachine(); });
    table.AddBelowLimit(c.name, micros / 1000, 5, "ms");
  }
}
