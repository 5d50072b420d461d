// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Screens at the device-pixel ratios of scaled desktops, and the measures a
// picture drawn for one is judged by: the windows that draw their own pixels
// (the face, the payoff chart, the borrow dialog) share them.

#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QWidget>
#include <cstdlib>

#include "Blit.h"

// Sets the offscreen platform up with screens at the device-pixel ratios of
// scaled desktops, 1 (the primary screen), 1.25, 1.5, 2 and 3, side by side.
// Another platform is left as it is. Runs before the QApplication is made.
inline void UseScaledScreens() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && platform != "offscreen") return;
  qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + VOLTARO_SCALED_SCREENS);
}

// The screen of a device-pixel ratio set up by UseScaledScreens, or null.
inline QScreen* ScreenOfRatio(qreal ratio) {
  for (QScreen* screen : QGuiApplication::screens())
    if (qFuzzyCompare(screen->devicePixelRatio(), ratio)) return screen;
  return nullptr;
}

// Shows a widget on a screen, as a window the player drags there.
inline void MoveToScreen(QWidget& widget, QScreen& screen) {
  widget.move(screen.geometry().topLeft() + QPoint(40, 40));
  widget.show();
  QVERIFY(QTest::qWaitForWindowExposed(&widget));
  QTRY_COMPARE(widget.screen(), &screen);
}

// The mean difference of the colour channels, 0..255, over an area.
inline double MeanDifference(const QImage& a, const QImage& b, const QRect& area) {
  double sum = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb p = a.pixel(x, y);
      const QRgb q = b.pixel(x, y);
      sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
             std::abs(qBlue(p) - qBlue(q));
    }
  return sum / (3.0 * area.width() * area.height());
}

// The share of the device pixels of a logical area that differ from the
// same area of the ratio-1 canvas blown up pixel by pixel.
inline double ShareUnlikeBlowUp(const QImage& canvas, const QImage& one, const QRect& area) {
  const QImage blownUp = one.scaled(canvas.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
  const QRect device = blit::DeviceRect(area, canvas.devicePixelRatio());
  int unlike = 0;
  for (int y = device.top(); y <= device.bottom(); ++y)
    for (int x = device.left(); x <= device.right(); ++x)
      unlike += canvas.pixel(x, y) != blownUp.pixel(x, y);
  return double(unlike) / (device.width() * device.height());
}

// A part of a picture and how it is judged drawn at a ratio: how far it
// may stray, scaled down to ratio 1, from the picture drawn at 1 (mean
// channel difference out of 255), and how much of it at least must not be
// a blow-up of the picture at 1 (none of a blown-up picture is).
struct ScaledPart {
  const char* what;
  QRect area;
  double tolerance;
  double leastUnlike;
};

// The parts of a canvas drawn at a ratio that fail their measures, a line
// each; `one` is the same picture drawn at ratio 1.
inline QStringList PartsNotDrawnAtRatio(const QImage& canvas, const QImage& one,
                                        std::initializer_list<ScaledPart> parts) {
  QImage down = canvas.scaled(one.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  down.setDevicePixelRatio(1.0);
  QStringList failed;
  for (const ScaledPart& part : parts) {
    const double unlike = ShareUnlikeBlowUp(canvas, one, part.area);
    const double difference = MeanDifference(down, one, part.area);
    if (unlike < part.leastUnlike || difference >= part.tolerance)
      failed << QStringLiteral("%1: %2 unlike a blow-up, %3 mean difference")
                    .arg(part.what)
                    .arg(unlike)
                    .arg(difference);
  }
  return failed;
}
