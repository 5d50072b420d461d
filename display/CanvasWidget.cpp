// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasWidget.h"

#include <QPaintEvent>
#include <QPainter>

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  // Every pixel comes from the canvas, so Qt need not clear the area first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& CanvasWidget::Canvas() {
  EnsureCanvasSize();
  return canvas_;
}

const QImage& CanvasWidget::Canvas() const { return canvas_; }

void CanvasWidget::EnsureCanvasSize() {
  const QSize wanted = size().expandedTo(QSize(1, 1));
  if (canvas_.size() == wanted) return;
  canvas_ = QImage(wanted, QImage::Format_RGB32);
  canvas_.fill(Qt::black);
  drawn_ = false;
}

void CanvasWidget::ShowRect(const QRect& rect) {
  drawn_ = true;
  if (batchDepth_ > 0) {
    pending_ = pending_.united(rect);
    return;
  }
  RepaintNow(rect);
}

void CanvasWidget::ShowAll() { ShowRect(rect()); }

void CanvasWidget::RepaintNow(const QRect& rect) {
  // A repaint from inside paintEvent would recurse; that paint copies the
  // whole canvas out anyway.
  if (inPaintEvent_ || !isVisible() || !updatesEnabled()) return;
  const QRect visible = rect.intersected(this->rect());
  if (!visible.isEmpty()) repaint(visible);
}

CanvasWidget::ShowBatch::ShowBatch(CanvasWidget& widget) : widget_(widget) {
  ++widget_.batchDepth_;
}

CanvasWidget::ShowBatch::~ShowBatch() {
  if (--widget_.batchDepth_ > 0) return;
  const QRect pending = widget_.pending_;
  widget_.pending_ = QRect();
  if (!pending.isEmpty()) widget_.RepaintNow(pending);
}

void CanvasWidget::paintEvent(QPaintEvent* event) {
  inPaintEvent_ = true;
  EnsureCanvasSize();
  if (!drawn_) {
    PaintCanvas();
    drawn_ = true;
  }
  QPainter painter(this);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  for (const QRect& rect : event->region()) painter.drawImage(rect, canvas_, rect);
  inPaintEvent_ = false;
}
