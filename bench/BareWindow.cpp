// SPDX-License-Identifier: GPL-3.0-or-later
// The floor under the game's start on this machine: a Qt Widgets program
// with nothing but one widget of the face's size, painted once. It prints
// the moment its first paint is done (see StartFigures.h) and ends.

#include <QApplication>
#include <QPainter>
#include <QWidget>
#include <cstdio>

#include "ProcessStats.h"
#include "StartFigures.h"

namespace {

class BareWidget : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::darkGreen);
    painter.end();
    if (reported_) return;
    reported_ = true;
    std::printf("%s\n",
                FirstPaintLine(process_stats::WallNanos(), process_stats::CpuNanos()).c_str());
    std::fflush(stdout);
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
  }

 private:
  bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  BareWidget widget;
  widget.resize(632, 394);
  widget.show();
  return QApplication::exec();
}
