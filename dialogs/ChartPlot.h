// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

// What a chart shows: a line through points in the order of the game, the
// marks some of them carry, and where asked a level line and a band around
// it. The words come with it, so the plot itself knows nothing of the game.
struct PlotData {
  QString title;
  QString xCaption;
  QString yCaption;
  std::vector<QPointF> line;        // x never decreasing
  std::vector<std::uint8_t> marks;  // chart_mark bits, one per point of the line
  std::optional<double> level;      // a horizontal line across the plot
  // The band at x (its lowest and highest y), for x from 1 on; it may only
  // narrow as x grows.
  std::function<std::pair<double, double>(double)> band;
  // The share of the x range after which the line and the band are always
  // shown whole; before it they may run off the plot, as the first few spins
  // of a game would otherwise flatten the rest.
  double wholeFrom = 0;
  std::function<QString(double)> yTick;            // a y value as the axis writes it
  std::function<QString(double)> xTick;            // an x value as the axis writes it
  std::function<QString(std::size_t)> point;       // a point in words, for the cursor
  std::vector<std::pair<QColor, QString>> legend;  // what the colours mean
  QString summary;                                 // the whole chart in words
  QString empty;                                   // shown when there is no line
};

// A chart drawn with the painter, so it is sharp at any scale. A player moves
// its cursor from point to point with the mouse or the arrow keys (Home and
// End jump to the ends, Page Up and Page Down a tenth of the way); the cursor's
// point is read out above the plot and told to a screen reader.
class ChartPlot : public QWidget {
  Q_OBJECT

 public:
  explicit ChartPlot(PlotData shown, QWidget* parent = nullptr);

  static inline const QColor LineColour{0x00, 0x00, 0x80};
  static inline const QColor BandColour{0xFF, 0xF0, 0xA0};
  static inline const QColor LevelColour{0x00, 0x80, 0x00};
  static inline const QColor BonusColour{0xE0, 0x00, 0x00};
  static inline const QColor MoveColour{0x80, 0x00, 0x80};
  static inline const QColor PlotColour{0xFF, 0xFF, 0xFF};

  const PlotData& Data() const { return data_; }
  // Where a point of the line, or a value, is drawn in the widget.
  QPointF PointAt(std::size_t index) const;
  QPointF Place(double x, double y) const;
  QRect PlotArea() const;
  // The cursor's point, if any, and its words.
  std::optional<std::size_t> Cursor() const { return cursor_; }
  QString CursorText() const;
  void SetCursor(std::optional<std::size_t> index);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent*) override;
  void focusInEvent(QFocusEvent*) override;

 private:
  void Measure();
  void DrawAxes(class QPainter& painter) const;
  void DrawBand(QPainter& painter) const;
  void DrawLine(QPainter& painter) const;

  PlotData data_;
  double xLow_ = 0, xHigh_ = 1, yLow_ = 0, yHigh_ = 1;
  std::vector<double> xTicks_, yTicks_;
  QRect plot_;
  std::optional<std::size_t> cursor_;
};

// Ticks at round values (1, 2 or 5 times a power of ten) from low to high,
// about `count` of them.
// With `widen`, the range grows to whole ticks; else the ticks stay inside it.
std::vector<double> RoundTicks(double& low, double& high, int count, bool widen);
