// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// A window that paints itself from an off-screen image of its client area.
// Drawing routines paint into Canvas() and then call ShowRect() so the
// change reaches the screen at once; paintEvent only copies the image out.
class CanvasWidget : public QWidget {
  Q_OBJECT

 public:
  explicit CanvasWidget(QWidget* parent = nullptr);

  // The off-screen image, always the size of the widget. A size change
  // gives a fresh image, which the next full paint fills.
  QImage& Canvas();
  const QImage& Canvas() const;

  // Shows a changed part of the canvas now (a repaint, not a deferred
  // update). Does nothing while the widget is hidden.
  void ShowRect(const QRect& rect);
  void ShowAll();

  // Gathers the ShowRect calls made during its life into one repaint, so a
  // routine made of many small draws reaches the screen in one piece.
  class ShowBatch {
   public:
    explicit ShowBatch(CanvasWidget& widget);
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

  void paintEvent(QPaintEvent* event) override;

 private:
  void EnsureCanvasSize();
  void RepaintNow(const QRect& rect);

  QImage canvas_;
  bool drawn_ = false;
  bool inPaintEvent_ = false;
  int batchDepth_ = 0;
  QRect pending_;
};
