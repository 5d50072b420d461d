// SPDX-License-Identifier: GPL-3.0-or-later
#include "CanvasWidget.h"

#include <QBackingStore>
#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QWindow>
#include <QtMath>

#include "Blit.h"

CanvasWidget::CanvasWidget(QWidget* parent) : QWidget(parent) {
  // Every pixel comes from the canvas, so Qt need not clear the area first.
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& CanvasWidget::Canvas() {
  ++changes_;
  EnsureCanvasSize();
  return canvas_;
}

const QImage& CanvasWidget::Canvas() const { return canvas_; }

void CanvasWidget::EnsureCanvasSize() {
  const QSize logical = size().expandedTo(QSize(1, 1));
  const QSize wanted(qRound(logical.width() * ratio_), qRound(logical.height() * ratio_));
  if (canvas_.size() == wanted && canvas_.devicePixelRatio() == ratio_) return;
  ++changes_;
  canvas_ = QImage(wanted, QImage::Format_RGB32);
  canvas_.setDevicePixelRatio(ratio_);
  canvas_.fill(Qt::black);
  drawn_ = false;
}

void CanvasWidget::FollowScreenRatio() {
  followsScreen_ = true;
  TakeScreenRatio();
}

void CanvasWidget::TakeScreenRatio() {
  const qreal ratio = devicePixelRatioF();
  if (!followsScreen_ || ratio <= 0 || ratio == ratio_) return;
  ratio_ = ratio;
  EnsureCanvasSize();
  CanvasRatioChanged();
  update();
}

bool CanvasWidget::event(QEvent* event) {
  // A widget learns of a new screen by this event (from Qt 6.6 on, of its
  // screen's new scale by a second one); being shown may also put it on
  // another screen than the one it was made for.
  bool ratioMayChange =
      event->type() == QEvent::ScreenChangeInternal || event->type() == QEvent::Show;
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
  ratioMayChange = ratioMayChange || event->type() == QEvent::DevicePixelRatioChange;
#endif
  if (ratioMayChange) TakeScreenRatio();
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) update();
  return QWidget::event(event);
}

void CanvasWidget::ShowRect(const QRect& rect) {
  ++changes_;
  drawn_ = true;
  if (batchDepth_ > 0) {
    pending_ = pending_.united(rect);
    return;
  }
  RepaintNow(rect);
}

void CanvasWidget::ShowAll() { ShowRect(rect()); }

void CanvasWidget::RepaintNow(const QRect& rect, ShowRoute route) {
  // A repaint from inside paintEvent would recurse; that paint copies the
  // whole canvas out anyway.
  if (inPaintEvent_ || !isVisible() || !updatesEnabled()) return;
  const QRect visible = rect.intersected(this->rect());
  if (visible.isEmpty()) return;
  if (route == ShowRoute::StraightToWindow && CopyToWindowNow(visible)) return;
  repaint(visible);
}

bool CanvasWidget::CopyToWindowNow(const QRect& rect) {
  // Written straight only where that gives the same pixels as paintEvent: a
  // 32-bit window image, a whole-number ratio, no focus frame, nothing
  // covering it.
  QWidget* top = window();
  QBackingStore* store = backingStore();
  QWindow* handle = top->windowHandle();
  if (store == nullptr || handle == nullptr || !handle->isExposed() || hasFocus() || !drawn_ ||
      ratio_ != static_cast<int>(ratio_) || handle->surfaceType() != QSurface::RasterSurface)
    return false;
  if (!(QRegion(rect) - visibleRegion()).isEmpty()) return false;
  const QRect target = rect.translated(mapTo(top, QPoint(0, 0)));
  if (!QRect(QPoint(0, 0), store->size()).contains(target)) return false;
  const QRegion region(target);
  // Straight into an image the X server shares, without Qt's wait for the
  // server to finish reading it (SharedWindowImage says why that is safe).
  const bool writeWithoutWaiting = sharedWindowImage_.IsShared(*store);
  if (!writeWithoutWaiting) store->beginPaint(region);
  QPaintDevice* device = store->paintDevice();
  bool copied = false;
  if (device != nullptr && device->devType() == QInternal::Image) {
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (image->devicePixelRatio() == ratio_ &&
        (format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
         format == QImage::Format_ARGB32_Premultiplied)) {
      // Canvas pixels are opaque, so their bytes are the same in any of them.
      blit::Copy(*image, target.topLeft(), canvas_, rect);
      copied = true;
    }
  }
  if (!writeWithoutWaiting) store->endPaint();
  if (copied) store->flush(region);
  return copied;
}

CanvasWidget::ShowBatch::ShowBatch(CanvasWidget& widget, ShowRoute route) : widget_(widget) {
  if (widget_.batchDepth_++ == 0) widget_.batchRoute_ = route;
}

CanvasWidget::ShowBatch::~ShowBatch() {
  if (--widget_.batchDepth_ > 0) return;
  const QRect pending = widget_.pending_;
  widget_.pending_ = QRect();
  if (!pending.isEmpty()) widget_.RepaintNow(pending, widget_.batchRoute_);
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
  if (ratio_ == 1.0) {
    for (const QRect& rect : event->region()) painter.drawImage(rect, canvas_, rect);
  } else {
    // The canvas holds the screen's own pixels: they go out one for one.
    for (const QRect& rect : event->region())
      painter.drawImage(QRectF(rect), canvas_,
                        QRectF(rect.x() * ratio_, rect.y() * ratio_, rect.width() * ratio_,
                               rect.height() * ratio_));
  }
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  if (hasFocus()) PaintFocusFrame(painter);
  inPaintEvent_ = false;
}

void CanvasWidget::PaintFocusFrame(QPainter& painter) {
  QStyleOptionFocusRect option;
  option.initFrom(this);
  option.rect = rect().adjusted(1, 1, -1, -1);
  option.backgroundColor = Qt::black;
  style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
