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

#include "DialogServices.h"

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
  // The share of the x range after which the line is always shown whole;
  // before it the line may run off the top of the plot, as the first few
  // spins of a game would otherwise flatten the rest.
  double wholeFrom = 0;
  std::function<QString(double)> yTick;       // a y value as the axis writes it
  std::function<QString(double)> xTick;       // an x value as the axis writes it
  std::function<QString(std::size_t)> point;  // a point in words, for the cursor
  // A point's figures, a line each, for the tip by the pointer and a screen
  // reader; the point's words when not given.
  std::function<QString(std::size_t)> tip;
  // The points as a table: a header row, then a row a point, comma-separated.
  std::function<QStringList()> table;
  QString fileName;  // the name a saved copy is offered under, without its suffix
  std::vector<std::pair<QColor, QString>> legend;  // what the colours mean
  QString summary;                                 // the whole chart in words
  QString empty;                                   // shown when there is no line
};

// What the axes of a chart span. Across: from the start of the game (or the
// first point) to the last point, at least one step. Up: the line (its top
// from where it is shown whole) and the level, with a little room; the band
// is left out, as early in a game it would swamp the line, and is drawn
// clipped to the plot.
struct PlotRange {
  double xLow = 0, xHigh = 1, yLow = 0, yHigh = 1;
};
PlotRange RangeOf(const PlotData& data);

// A chart drawn with the painter, so it is sharp at any scale. A player moves
// its cursor from point to point with the mouse or the arrow keys (Home and
// End jump to the ends, Page Up and Page Down a tenth of the way); the cursor's
// point is read out above the plot, its figures shown in a tip beside it and
// told to a screen reader. Its menu (and Ctrl+C) copies the chart as a
// picture; Save As writes the picture as PNG or the points as CSV.
class ChartPlot : public QWidget {
  Q_OBJECT

 public:
  explicit ChartPlot(PlotData shown, QWidget* parent = nullptr);
  // Shows other data; the cursor stays on its point where it still can.
  void SetData(PlotData shown);
  // The file picker and the boxes Save As uses.
  void SetServices(DialogServices services) { services_ = std::move(services); }

  static inline const QColor LineColour{0x00, 0x00, 0x80};
  static inline const QColor BandColour{0xFF, 0xF0, 0xA0};
  static inline const QColor BandEdgeColour{0xC0, 0x90, 0x00};
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
  // The cursor point's figures, as the tip shows them.
  QString TipText() const;
  void SetCursor(std::optional<std::size_t> index);
  // The axes as drawn.
  const PlotRange& Range() const { return range_; }

  // The chart as shown, as a picture; put on the clipboard; written to a
  // file (PNG, or CSV for a name ending in .csv). False with a box when the
  // file cannot be written.
  QImage Picture();
  void CopyPicture();
  bool SaveTo(const QString& path);
  // Asks for a file and saves the chart there.
  void SaveAs();

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent*) override;
  void focusInEvent(QFocusEvent*) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Measure();
  void DrawAxes(class QPainter& painter) const;
  void DrawBand(QPainter& painter) const;
  void DrawLine(QPainter& painter) const;
  // The tip with the cursor point's figures, at a place on the screen.
  void ShowTip(QPoint global);

  PlotData data_;
  DialogServices services_;
  PlotRange range_;
  std::vector<double> xTicks_, yTicks_;
  QRect plot_;
  std::optional<std::size_t> cursor_;
};

// Ticks at round values (1, 2 or 5 times a power of ten) from low to high,
// about `count` of them.
// With `widen`, the range grows to whole ticks; else the ticks stay inside it.
std::vector<double> RoundTicks(double& low, double& high, int count, bool widen);
