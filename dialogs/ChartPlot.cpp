// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChartPlot.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "DialogLook.h"
#include "GameChart.h"
#include "Palette.h"

namespace {

constexpr int Gap = 6;
constexpr int TickLength = 4;
constexpr int MarkRadius = 4;
// The margin above and below the line, as a share of its range.
constexpr double Room = 0.05;
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

PlotRange RangeOf(const PlotData& data) {
  PlotRange range;
  const auto& line = data.line;
  if (line.empty()) return range;
  // Plays and spins count from 0; a single point still gets a step.
  range.xLow = std::min(0.0, line.front().x());
  range.xHigh = std::max(line.back().x(), range.xLow + 1);
  const double from = line.front().x() + data.wholeFrom * (line.back().x() - line.front().x());
  double low = line.back().y();
  double high = low;
  for (const QPointF& point : line) {
    // Only the top may be cut early on: a first big win would flatten the rest.
    low = std::min(low, point.y());
    if (point.x() >= from) high = std::max(high, point.y());
  }
  if (data.level) {
    low = std::min(low, *data.level);
    high = std::max(high, *data.level);
  }
  const double room = high > low ? Room * (high - low) : std::max(1.0, std::abs(low) * Room);
  range.yLow = low - room;
  range.yHigh = high + room;
  return range;
}

ChartPlot::ChartPlot(PlotData shown, QWidget* parent) : QWidget(parent), data_(std::move(shown)) {
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setFont(SmallFont());
  setToolTip(QString());
  SetData(std::move(data_));
}

void ChartPlot::SetData(PlotData shown) {
  data_ = std::move(shown);
  if (cursor_ && *cursor_ >= data_.line.size()) cursor_.reset();
  setAccessibleName(data_.title);
  setAccessibleDescription(cursor_ ? TipText() + QLatin1Char('\n') + data_.summary : data_.summary);
  Measure();
  update();
}

QSize ChartPlot::sizeHint() const { return {740, 230}; }

void ChartPlot::resizeEvent(QResizeEvent*) { Measure(); }

void ChartPlot::Measure() {
  range_ = RangeOf(data_);
  yTicks_ = RoundTicks(range_.yLow, range_.yHigh, 5, false);
  // The x axis counts plays or spins: whole ticks from 0 only.
  xTicks_ = RoundTicks(range_.xLow, range_.xHigh, 6, false);
  std::erase_if(xTicks_, [](double tick) { return tick < 0 || tick != std::floor(tick); });
  // An empty chart has no axes, only its message: the same on every chart.
  if (data_.line.empty()) {
    yTicks_.clear();
    xTicks_.clear();
  }

  const QFontMetrics small(SmallFont());
  const QFontMetrics title(TitleFont());
  int tickWidth = 0;
  for (double tick : yTicks_)
    tickWidth = std::max(tickWidth, small.horizontalAdvance(data_.yTick(tick)));
  const int top = title.height() + small.height() + 2 * Gap;
  const int bottom = TickLength + 3 * small.height() + 2 * Gap;
  const int left = tickWidth + TickLength + Gap;
  const int right = std::max(Gap, small.horizontalAdvance(data_.xTick(range_.xHigh)) / 2 + 2);
  plot_ =
      QRect(left, top, std::max(1, width() - left - right), std::max(1, height() - top - bottom));
}

QRect ChartPlot::PlotArea() const { return plot_; }

QPointF ChartPlot::Place(double x, double y) const {
  const PlotRange& r = range_;
  const double across = r.xHigh > r.xLow ? (x - r.xLow) / (r.xHigh - r.xLow) : 0.5;
  const double up = (y - r.yLow) / (r.yHigh - r.yLow);
  return {plot_.left() + across * (plot_.width() - 1), plot_.bottom() - up * (plot_.height() - 1)};
}

QPointF ChartPlot::PointAt(std::size_t index) const {
  const QPointF& point = data_.line.at(index);
  return Place(point.x(), point.y());
}

QString ChartPlot::CursorText() const { return cursor_ ? data_.point(*cursor_) : QString(); }

QString ChartPlot::TipText() const {
  if (!cursor_) return QString();
  return data_.tip ? data_.tip(*cursor_) : data_.point(*cursor_);
}

void ChartPlot::ShowTip(QPoint global) {
  if (cursor_)
    QToolTip::showText(global + QPoint(MarkRadius * 3, MarkRadius * 3), TipText(), this);
  else
    QToolTip::hideText();
}

void ChartPlot::SetCursor(std::optional<std::size_t> index) {
  if (data_.line.empty()) index.reset();
  if (index) index = std::min(*index, data_.line.size() - 1);
  if (index == cursor_) return;
  cursor_ = index;
  setAccessibleDescription(cursor_ ? TipText() + QLatin1Char('\n') + data_.summary : data_.summary);
  QAccessibleEvent event(this, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&event);
  update();
}

void ChartPlot::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) return CopyPicture();
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
  if (cursor_) ShowTip(mapToGlobal(PointAt(*cursor_).toPoint()));
}

void ChartPlot::mouseMoveEvent(QMouseEvent* event) {
  if (data_.line.empty() ||
      !plot_.adjusted(-Gap, -Gap, Gap, Gap).contains(event->position().toPoint())) {
    SetCursor(std::nullopt);
    QToolTip::hideText();
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
  ShowTip(event->globalPosition().toPoint());
}

void ChartPlot::leaveEvent(QEvent*) {
  if (!hasFocus()) SetCursor(std::nullopt);
}

void ChartPlot::focusInEvent(QFocusEvent*) {
  if (!cursor_ && !data_.line.empty()) SetCursor(data_.line.size() - 1);
  update();
}

void ChartPlot::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  //: In the menu of a chart: puts the chart on the clipboard as a picture.
  QAction* copy = menu.addAction(tr("&Copy"), this, &ChartPlot::CopyPicture);
  copy->setShortcut(QKeySequence::Copy);
  //: In the menu of a chart: writes the chart to a file, as a picture or a table.
  menu.addAction(tr("Save &As\u2026"), this, &ChartPlot::SaveAs);
  menu.exec(event->globalPos());
}

QImage ChartPlot::Picture() { return grab().toImage(); }

void ChartPlot::CopyPicture() { QGuiApplication::clipboard()->setImage(Picture()); }

void ChartPlot::SaveAs() {
  if (!services_.saveFile) return;
  //: The types of file a chart is saved as; keep the | and the patterns.
  const QString types = tr("PNG picture|*.png|CSV table|*.csv");
  const QString path = services_.saveFile(this, tr("Save Chart"), data_.fileName, types);
  if (!path.isEmpty()) SaveTo(path);
}

bool ChartPlot::SaveTo(const QString& path) {
  QSaveFile file(path);
  bool written = file.open(QIODevice::WriteOnly);
  if (written &&
      QFileInfo(path).suffix().compare(QStringLiteral("csv"), Qt::CaseInsensitive) == 0) {
    const QStringList rows = data_.table ? data_.table() : QStringList();
    written =
        file.write((rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8()) >= 0;
  } else if (written) {
    written = Picture().save(&file, "PNG");
  }
  written = written && file.commit();
  //: %1 is the file the chart could not be written to.
  if (!written && services_.warning)
    services_.warning(this, tr("The chart could not be saved to %1.").arg(path));
  return written;
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
    const int y = qRound(Place(range_.xLow, tick).y());
    painter.setPen(GridColour);
    painter.drawLine(plot_.left(), y, plot_.right(), y);
    painter.setPen(palette::ButtonText);
    painter.drawLine(plot_.left() - TickLength, y, plot_.left() - 1, y);
    const QRect label(0, y - small.height() / 2, plot_.left() - TickLength - 2, small.height());
    painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, data_.yTick(tick));
  }
  for (double tick : xTicks_) {
    const int x = qRound(Place(tick, range_.yLow).x());
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
  const auto& line = data_.line;
  if (data_.band && !line.empty() && line.back().x() >= 1) {
    // One edge point a pixel column, from the first spin to the last: exact
    // at any width, and no more work for a longer game.
    // Where the band goes on beyond the plot, its edge is drawn just inside.
    const double top = plot_.top() + 1.5;
    const double bottom = plot_.bottom() - 1.5;
    QPolygonF upper, lower;
    for (int column = plot_.left(); column <= plot_.right() + 1; ++column) {
      const double across = (column - plot_.left()) / std::max(1.0, plot_.width() - 1.0);
      const double x =
          std::min(range_.xLow + across * (range_.xHigh - range_.xLow), line.back().x());
      if (x < 1) continue;
      const auto [low, high] = data_.band(x);
      upper << QPointF(Place(x, 0).x(), Place(x, high).y());
      lower << QPointF(Place(x, 0).x(), Place(x, low).y());
      if (x >= line.back().x()) break;
    }
    const auto clamp = [&](QPolygonF edge) {
      for (QPointF& point : edge) point.setY(std::clamp(point.y(), top, bottom));
      return edge;
    };
    QPolygonF area = clamp(upper);
    const QPolygonF under = clamp(lower);
    for (auto it = under.rbegin(); it != under.rend(); ++it) area << *it;
    painter.setPen(Qt::NoPen);
    painter.setBrush(BandColour);
    painter.drawPolygon(area);
    painter.setBrush(Qt::NoBrush);
    // Each edge in a thin line where it is in the plot, and a thick dashed
    // one along the plot's border where the band goes on beyond it.
    const QPen inside(BandEdgeColour, 1);
    const QPen beyond(BandEdgeColour, 3, Qt::DashLine, Qt::FlatCap);
    for (const QPolygonF* edge : {&upper, &lower}) {
      QPolygonF run;
      bool out = false;
      for (const QPointF& point : *edge) {
        const bool pointOut = point.y() < plot_.top() || point.y() > plot_.bottom();
        if (!run.isEmpty() && pointOut != out) {
          painter.setPen(out ? beyond : inside);
          painter.drawPolyline(clamp(run));
          run = QPolygonF{run.back()};
        }
        out = pointOut;
        run << point;
      }
      painter.setPen(out ? beyond : inside);
      if (run.size() > 1) painter.drawPolyline(clamp(run));
    }
  }
  if (data_.level) {
    painter.setPen(QPen(LevelColour, 2, Qt::DashLine));
    const double y = Place(range_.xLow, *data_.level).y();
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
