// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <functional>

#include "Settings.h"

class MachineFace;
class QWidget;
struct DialogServices;

// What the face paints behind the machine: the tiled picture or the solid
// colour, chosen from the Background menu through its dialogs and stored in
// the settings. The menu's two marks follow the choice.
class WindowBackground {
  Q_DECLARE_TR_FUNCTIONS(WindowBackground)

 public:
  // `showMarks` sets the marks of "Tiled Bitmap" and "Solid Color"; the
  // picture dialog starts in `pictureFolder`.
  WindowBackground(Settings& settings, DialogServices& dialogs, QWidget& dialogParent,
                   MachineFace& face, std::function<void(bool tiled)> showMarks,
                   QString pictureFolder);

  // The background the settings file brought: the picture when it can be
  // read and the settings ask for it, else the solid colour.
  void ChooseAtStartup();
  // "Tiled Bitmap": a picture chosen in the file dialog.
  void ChoosePicture();
  // "Solid Color": a colour chosen in the colour dialog.
  void ChooseColor();
  // Gives the face the background as chosen.
  void UpdateFace();

 private:
  void SetTiled(bool tiled);

  Settings& settings_;
  DialogServices& dialogs_;
  QWidget& dialogParent_;
  MachineFace& face_;
  std::function<void(bool tiled)> showMarks_;
  // The paint decides tiled or solid by the mark ("Tiled Bitmap" is marked
  // when the menu is made); BackMode is what is stored.
  bool tiled_ = true;
  QImage picture_;
  QString pictureFolder_;
  QColor lastChosenColor_{Qt::black};
};
