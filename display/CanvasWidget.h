// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>

#include "SharedWindowImage.h"

// A window that paints itself from an off-screen image of its client area.
// Drawing routines paint into Canvas() and then call ShowRect() so the
// change reaches the screen at once; paintEvent only copies the image out.
class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasWidget(QWidget* parent = nullptr);

  // The off-screen image, always the size of the widget in its logical
  // pixels, held at the canvas ratio's device pixels. A size or ratio change
  // gives a fresh image, which the next full paint fills.
  QImage& Canvas();
  const QImage& Canvas() const;

  // Counts the calls that may have changed the canvas (Canvas(), ShowRect,
  // a fresh image): a drawing routine that finds it where it left it knows
  // that what it drew is still there.
  std::uint64_t CanvasChanges() const { return changes_; }

  // Shows a changed part of the canvas now (a repaint, not a deferred
  // update). Does nothing while the widget is hidden.
  void ShowRect(const QRect& rect);
  void ShowAll();

  // Device pixels per logical pixel of the canvas. 1 unless the canvas
  // follows its screen.
  qreal CanvasRatio() const { return ratio_; }

  // Draw the canvas at the device-pixel ratio of the screen the widget is
  // on (2 on a screen scaled to 200%), and follow it when the widget moves
  // to another screen or the screen's scale changes. Off by default: a
  // canvas at ratio 1 is scaled up by the window system as a whole.
  void FollowScreenRatio();

  // How a batch reaches the screen. Repaint sends a paint event;
  // StraightToWindow copies the canvas into the window's backing store and
  // flushes it, saving the painter and the event for changes made many times
  // a second. It falls back to a repaint wherever the copy would not give
  // the same pixels (a focus frame, something covering the canvas, a
  // fractional ratio, another kind of window image).
  enum class ShowRoute { Repaint, StraightToWindow };

  // Gathers the ShowRect calls made during its life into one repaint, so a
  // routine made of many small draws reaches the screen in one piece. The
  // outermost batch chooses the route.
  class ShowBatch {
   public:
    explicit ShowBatch(CanvasWidget& widget, ShowRoute route = ShowRoute::Repaint);
    ~ShowBatch();
    ShowBatch(const ShowBatch&) = delete;
    ShowBatch& operator=(const ShowBatch&) = delete;

   private:
    CanvasWidget& widget_;
  };

 protected:
  // Redraws the whole canvas. Run by paintEvent when the canvas has not
  // been drawn since its last size change.
  virtual void PaintCanvas() {}

  // Run when the canvas ratio has changed, before the full paint at the new
  // ratio: rebuild anything cached at device resolution here.
  virtual void CanvasRatioChanged() {}

  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void EnsureCanvasSize();
  void TakeScreenRatio();
  // Draws a focus frame over the canvas while the widget has the keyboard
  // focus; it is never part of the canvas itself.
  void PaintFocusFrame(QPainter& painter);
  void RepaintNow(const QRect& rect, ShowRoute route = ShowRoute::Repaint);
  // Puts a part of the canvas into the window's image and on the screen at
  // once; false, having shown nothing, where only a repaint can.
  bool CopyToWindowNow(const QRect& rect);

  QImage canvas_;
  std::uint64_t changes_ = 0;
  qreal ratio_ = 1.0;
  bool followsScreen_ = false;
  bool drawn_ = false;
  bool inPaintEvent_ = false;
  int batchDepth_ = 0;
  ShowRoute batchRoute_ = ShowRoute::Repaint;
  QRect pending_;
  SharedWindowImage sharedWindowImage_;
};
