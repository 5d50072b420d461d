// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchForm.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>

#include "FaceRelay.h"
#include "PlanPlayer.h"
#include "ProcessStats.h"
#include "Reels.h"

namespace {

Moment Now() { return {process_stats::WallNanos(), process_stats::CpuNanos()}; }

// Catches a widget's first paint.
class FirstPaintCatcher : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = true;
    return false;
  }
};

}  // namespace

class BenchForm::FaceWatch : public FaceRelay {
 public:
  FaceWatch(FaceView& face, BenchForm& form) : FaceRelay(face), face_(face), form_(form) {}
  void ShowWheels(const std::array<int, 3>& positions) override {
    form_.ShowWheels(face_, positions);
  }
  void DrawMoneyReadout(MoneyReadout which, double value) override {
    form_.DrawMoneyReadout(face_, which, value);
  }
  void DrawPowerMeter(bool rising) override { form_.DrawPowerMeter(face_, rising); }

 private:
  FaceView& face_;
  BenchForm& form_;
};

BenchForm::BenchForm(SlotEnvironment environment)
    : TForm1(std::move(environment), nullptr,
             [this](FaceView& face) { return std::make_unique<FaceWatch>(face, *this); }) {}

void BenchForm::SetButtonsEnabled(bool enabled) {
  if (!enabled)
    trace_.animationStart = Now();
  else
    CountUpOver();
  TForm1::SetButtonsEnabled(enabled);
}

void BenchForm::ShowWheels(FaceView& face, const std::array<int, 3>& positions) {
  face.ShowWheels(positions);
  trace_.lastStep = Now();
  ++trace_.steps;
}

void BenchForm::DrawMoneyReadout(FaceView& face, MoneyReadout which, double value) {
  // The count-up begins with the first coin put into the credits after the
  // wheels have stopped on a win.
  if (which == MoneyReadout::Credits && trace_.steps == AnimationSteps &&
      trace_.countStart.wall == 0 && trace_.countEnd.wall == 0) {
    trace_.countStart = Now();
    counting_ = true;
  }
  if (which == MoneyReadout::Credits && counting_) ++trace_.coinsCounted;
  const std::int64_t start = process_stats::WallNanos();
  face.DrawMoneyReadout(which, value);
  if (counting_) trace_.countDrawing += process_stats::WallNanos() - start;
}

int BenchForm::PlayEventSound(SoundEvent event) {
  if (event != SoundEvent::seCredits) CountUpOver();
  const std::int64_t start = process_stats::WallNanos();
  const int hold = TForm1::PlayEventSound(event);
  if (counting_) trace_.countSounds += process_stats::WallNanos() - start;
  return hold;
}

std::int64_t BenchForm::WaitForPlanEnd(int limitMs) {
  QElapsedTimer waited;
  waited.start();
  // The player's own timer wakes the loop at every step.
  while (Probe(*this).Playing() && waited.elapsed() < limitMs + 10000)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  return process_stats::WallNanos();
}

void BenchForm::DrawPowerMeter(FaceView& face, bool rising) {
  CountUpOver();
  face.DrawPowerMeter(rising);
}

void BenchForm::CountUpOver() {
  if (!counting_) return;
  trace_.countEnd = Now();
  counting_ = false;
}

bool ShowAndWaitForFirstPaint(QWidget& window, QWidget& face) {
  FirstPaintCatcher catcher;
  face.installEventFilter(&catcher);
  window.show();
  // A steady tick keeps the wait from sleeping forever on a platform that
  // never exposes the window.
  QTimer tick;
  tick.start(20);
  QElapsedTimer waited;
  waited.start();
  while (!catcher.painted && waited.elapsed() < 10000)
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  face.removeEventFilter(&catcher);
  return catcher.painted;
}
