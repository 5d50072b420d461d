// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartPlot.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "DialogLook.h"
#include "GameChart.h"
#include "Palette.h"

namespace {

constexpr int Gap = 6;
constexpr int TickLength = 4;
constexpr int MarkRadius = 4;
const QColor GridColour{0xE0, 0xE0, 0xE0};

QFont TitleFont() { return DialogPixelFont(13, true); }
QFont SmallFont() { return DialogPixelFont(11); }

}  // namespace

std::vector<double> RoundTicks(double& low, double& high, int count, bool widen) {
  if (!(high > low)) {
    const double pad = std::max(1.0, std::abs(low) * 0.05);
    low -= pad;
    high += pad;
  }
  const double rough = (high - low) / std::max(count, 1);
  const double power = std::pow(10.0, std::floor(std::log10(rough)));
  double step = power;
  for (double factor : {1.0, 2.0, 5.0, 10.0}) {
    step = factor * power;
    if (step >= rough) break;
  }
  if (widen) {
    low = std::floor(low / step) * step;
    high = std::ceil(high / step) * step;
  }
  std::vector<double> ticks;
  for (double tick = std::ceil(low / step) * step; tick <= high + step * 1e-9; tick += step)
    ticks.push_back(std::abs(tick) < step * 1e-9 ? 0.0 : tick);
  return ticks;
}

ChartPlot::ChartPlot(PlotData shown, QWidget* parent) : QWidget(parent), data_(std::move(shown)) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setFont(SmallFont());
  setAccessibleName(data_.title);
  setAccessibleDescription(data_.summary);
  setToolTip(QString());
  Measure();
}

QSize ChartPlot::sizeHint() const { return {740, 230}; }

void ChartPlot::resizeEvent(QResizeEvent*) { Measure(); }

void ChartPlot::Measure() {
  const auto& line = data_.line;
  if (!line.empty()) {
    xLow_ = line.front().x();
    xHigh_ = line.back().x();
    const double from = xLow_ + data_.wholeFrom * (xHigh_ - xLow_);
    yLow_ = line.back().y();
    yHigh_ = yLow_;
    for (const QPointF& point : line) {
      if (point.x() < from) continue;
      yLow_ = std::min(yLow_, point.y());
      yHigh_ = std::max(yHigh_, point.y());
    }
    if (data_.level) {
      yLow_ = std::min(yLow_, *data_.level);
      yHigh_ = std::max(yHigh_, *data_.level);
    }
    if (data_.band && xHigh_ >= 1) {
      // The band is widest where it is first shown whole.
      const auto [bandLow, bandHigh] = data_.band(std::max(from, 1.0));
      yLow_ = std::min(yLow_, bandLow);
      yHigh_ = std::max(yHigh_, bandHigh);
    }
  }
  yTicks_ = RoundTicks(yLow_, yHigh_, 5, true);
  // The x axis counts plays or spins: whole ticks only.
  xTicks_ = RoundTicks(xLow_, xHigh_, 6, false);
  std::erase_if(xTicks_, [](double tick) { return tick != std::floor(tick); });

  const QFontMetrics small(SmallFont());
  const QFontMetrics title(TitleFont());
  int tickWidth = 0;
  for (double tick : yTicks_)
    tickWidth = std::max(tickWidth, small.horizontalAdvance(data_.yTick(tick)));
  const int top = title.height() + small.height() + 2 * Gap;
  const int bottom = TickLength + 3 * small.height() + 2 * Gap;
  const int left = tickWidth + TickLength + Gap;
  const int right = std::max(Gap, small.horizontalAdvance(data_.xTick(xHigh_)) / 2 + 2);
  plot_ =
      QRect(left, top, std::max(1, width() - left - right), std::max(1, height() - top - bottom));
}

QRect ChartPlot::PlotArea() const { return plot_; }

QPointF ChartPlot::Place(double x, double y) const {
  const double across = xHigh_ > xLow_ ? (x - xLow_) / (xHigh_ - xLow_) : 0.5;
  const double up = (y - yLow_) / (yHigh_ - yLow_);
  return {plot_.left() + across * (plot_.width() - 1), plot_.bottom() - up * (plot_.height() - 1)};
}

QPointF ChartPlot::PointAt(std::size_t index) const {
  const QPointF& point = data_.line.at(index);
  return Place(point.x(), point.y());
}

QString ChartPlot::CursorText() const { return cursor_ ? data_.point(*cursor_) : QString(); }

void ChartPlot::SetCursor(std::optional<std::size_t> index) {
  if (data_.line.empty()) index.reset();
  if (index) index = std::min(*index, data_.line.size() - 1);
  if (index == cursor_) return;
  cursor_ = index;
  setAccessibleDescription(cursor_ ? CursorText() + QLatin1Char('\n') + data_.summary
                                   : data_.summary);
  QAccessibleEvent event(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
  update();
}

void ChartPlot::keyPressEvent(QKeyEvent* event) {
  const std::size_t count = data_.line.size();
  if (count == 0) return QWidget::keyPressEvent(event);
  const std::size_t at = cursor_.value_or(count - 1);
  const std::size_t page = std::max<std::size_t>(1, count / 10);
  switch (event->key()) {
    case Qt::Key_Left:
      SetCursor(at > 0 ? at - 1 : 0);
      break;
    case Qt::Key_Right:
      SetCursor(at + 1);
      break;
    case Qt::Key_PageUp:
      SetCursor(at > page ? at - page : 0);
      break;
    case Qt::Key_PageDown:
      SetCursor(at + page);
      break;
    case Qt::Key_Home:
      SetCursor(0);
      break;
    case Qt::Key_End:
      SetCursor(count - 1);
      break;
    default:
      return QWidget::keyPressEvent(event);
  }
}

void ChartPlot::mouseMoveEvent(QMouseEvent* event) {
  if (data_.line.empty() ||
      !plot_.adjusted(-Gap, -Gap, Gap, Gap).contains(event->position().toPoint())) {
    SetCursor(std::nullopt);
    return;
  }
  // The nearest point across; of points at one play, the last.
  std::size_t nearest = 0;
  double distance = 1e300;
  for (std::size_t n = 0; n < data_.line.size(); ++n) {
    const double away = std::abs(PointAt(n).x() - event->position().x());
    if (away <= distance) {
      distance = away;
      nearest = n;
    }
  }
  SetCursor(nearest);
}

void ChartPlot::leaveEvent(QEvent*) {
  if (!hasFocus()) SetCursor(std::nullopt);
}

void ChartPlot::focusInEvent(QFocusEvent*) {
  if (!cursor_ && !data_.line.empty()) SetCursor(data_.line.size() - 1);
  update();
}

void ChartPlot::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette::ButtonFace);
  painter.setFont(TitleFont());
  const QFontMetrics title(TitleFont());
  painter.setPen(palette::ButtonText);
  painter.drawText(QRect(Gap, Gap / 2, width() - 2 * Gap, title.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, data_.title);
  painter.setFont(SmallFont());
  const QFontMetrics small(SmallFont());
  const QRect captions(Gap, Gap / 2 + title.height() + Gap / 2, width() - 2 * Gap, small.height());
  painter.drawText(captions, Qt::AlignLeft | Qt::AlignVCenter, data_.yCaption);
  painter.drawText(captions, Qt::AlignRight | Qt::AlignVCenter, CursorText());

  painter.fillRect(plot_, PlotColour);
  if (data_.line.empty()) {
    painter.drawText(plot_, Qt::AlignCenter, data_.empty);
  } else {
    DrawAxes(painter);
    painter.save();
    painter.setClipRect(plot_);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawBand(painter);
    DrawLine(painter);
    painter.restore();
  }
  painter.setPen(palette::ButtonShadow);
  painter.drawRect(plot_.adjusted(-1, -1, 0, 0));
  if (hasFocus()) {
    painter.setPen(QPen(palette::ButtonText, 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
  }

  // The legend: a swatch of each colour and what it stands for.
  painter.setPen(palette::ButtonText);
  int x = plot_.left();
  const int y = height() - Gap / 2 - small.height();
  for (const auto& [colour, words] : data_.legend) {
    painter.fillRect(QRect(x, y + small.height() / 2 - 4, 16, 8), colour);
    x += 16 + Gap / 2;
    const int wide = small.horizontalAdvance(words);
    painter.drawText(QRect(x, y, wide, small.height()), Qt::AlignLeft | Qt::AlignVCenter, words);
    x += wide + 2 * Gap;
  }
}

void ChartPlot::DrawAxes(QPainter& painter) const {
  const QFontMetrics small(SmallFont());
  for (double tick : yTicks_) {
    const int y = qRound(Place(xLow_, tick).y());
    painter.setPen(GridColour);
    painter.drawLine(plot_.left(), y, plot_.right(), y);
    painter.setPen(palette::ButtonText);
    painter.drawLine(plot_.left() - TickLength, y, plot_.left() - 1, y);
    const QRect label(0, y - small.height() / 2, plot_.left() - TickLength - 2, small.height());
    painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, data_.yTick(tick));
  }
  for (double tick : xTicks_) {
    const int x = qRound(Place(tick, yLow_).x());
    painter.drawLine(x, plot_.bottom() + 1, x, plot_.bottom() + TickLength);
    const QString text = data_.xTick(tick);
    const int wide = small.horizontalAdvance(text);
    painter.drawText(
        QRect(x - wide / 2 - 1, plot_.bottom() + TickLength + 1, wide + 2, small.height()),
        Qt::AlignCenter, text);
  }
  painter.drawText(QRect(plot_.left(), plot_.bottom() + TickLength + small.height() + 1,
                         plot_.width(), small.height()),
                   Qt::AlignCenter, data_.xCaption);
}

void ChartPlot::DrawBand(QPainter& painter) const {
  if (data_.band) {
    // One edge point a pixel column: exact at any width, and no more work
    // for a longer game.
    QPolygonF upper, lower;
    for (int column = plot_.left(); column <= plot_.right(); ++column) {
      const double across = (column - plot_.left()) / std::max(1.0, plot_.width() - 1.0);
      const double x = xLow_ + across * (xHigh_ - xLow_);
      if (x < 1) continue;
      const auto [low, high] = data_.band(x);
      const auto clip = [&](double y) {
        return std::clamp(Place(x, y).y(), plot_.top() - 1.0, plot_.bottom() + 1.0);
      };
      upper << QPointF(column, clip(high));
      lower.prepend(QPointF(column, clip(low)));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(BandColour);
    painter.drawPolygon(upper + lower);
    painter.setBrush(Qt::NoBrush);
  }
  if (data_.level) {
    painter.setPen(QPen(LevelColour, 2, Qt::DashLine));
    const double y = Place(xLow_, *data_.level).y();
    painter.drawLine(QPointF(plot_.left(), y), QPointF(plot_.right(), y));
  }
}

void ChartPlot::DrawLine(QPainter& painter) const {
  const auto& line = data_.line;
  QPolygonF drawn;
  drawn.reserve(static_cast<qsizetype>(line.size()));
  for (std::size_t n = 0; n < line.size(); ++n) drawn << PointAt(n);
  painter.setPen(QPen(LineColour, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  if (drawn.size() == 1)
    painter.drawEllipse(drawn.front(), 2, 2);
  else
    painter.drawPolyline(drawn);
  // Loans and pay-backs are the player's own moves, not the machine's: the
  // step they make is drawn in a colour of its own.
  const auto marked = [&](std::size_t n, std::uint8_t mark) {
    return n < data_.marks.size() && (data_.marks[n] & mark) != 0;
  };
  painter.setPen(QPen(MoveColour, 2, Qt::SolidLine, Qt::RoundCap));
  for (std::size_t n = 1; n < line.size(); ++n)
    if (marked(n, chart_mark::Loan | chart_mark::PayBack)) painter.drawLine(drawn[n - 1], drawn[n]);
  painter.setPen(Qt::NoPen);
  painter.setBrush(BonusColour);
  for (std::size_t n = 0; n < line.size(); ++n) {
    if (!marked(n, chart_mark::Bonus)) continue;
    const QPointF at = drawn[static_cast<qsizetype>(n)];
    const QPointF diamond[] = {at + QPointF(0, -MarkRadius), at + QPointF(MarkRadius, 0),
                               at + QPointF(0, MarkRadius), at + QPointF(-MarkRadius, 0)};
    painter.drawPolygon(diamond, 4);
  }
  if (cursor_) {
    const QPointF at = drawn[static_cast<qsizetype>(*cursor_)];
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(palette::ButtonShadow, 1, Qt::DotLine));
    painter.drawLine(QPointF(at.x(), plot_.top()), QPointF(at.x(), plot_.bottom()));
    painter.setPen(QPen(palette::ButtonText, 1));
    painter.drawEllipse(at, MarkRadius + 1, MarkRadius + 1);
  }
}
