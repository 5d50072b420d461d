// SPDX-License-Identifier: GPL-3.0-or-later
#include "EventLoopClock.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <chrono>

std::int64_t SteadyTickCount() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void WaitInEventLoop(std::int64_t tick, const bool* stop) {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  // A precise timer wakes the loop on the millisecond; a coarse one could be
  // late by several per cent of a Fast step.
  QEventLoop loop;
  QTimer wake;
  wake.setTimerType(Qt::PreciseTimer);
  wake.setSingleShot(true);
  QObject::connect(&wake, &QTimer::timeout, &loop, &QEventLoop::quit);
  for (;;) {
    if (stop != nullptr && *stop) return;
    const std::int64_t left = tick - SteadyTickCount();
    if (left <= 0) return;
    wake.start(static_cast<int>(left));
    loop.exec();
  }
}
