// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowBackground.h"

#include <QFileInfo>

#include "Colors.h"
#include "DialogServices.h"
#include "FileReplace.h"
#include "MachineFace.h"
#include "SymbolArt.h"

namespace {

QColor ToQColor(std::int32_t fileValue) {
  const Rgb rgb = DecodeColor(fileValue);
  return QColor(rgb.r, rgb.g, rgb.b);
}

std::int32_t FromQColor(const QColor& color) {
  return EncodeColor(Rgb{static_cast<std::uint8_t>(color.red()),
                         static_cast<std::uint8_t>(color.green()),
                         static_cast<std::uint8_t>(color.blue())});
}

}  // namespace

WindowBackground::WindowBackground(Settings& settings, DialogServices& dialogs,
                                   QWidget& dialogParent, MachineFace& face,
                                   std::function<void(bool tiled)> showMarks, QString pictureFolder)
    : settings_(settings),
      dialogs_(dialogs),
      dialogParent_(dialogParent),
      face_(face),
      showMarks_(std::move(showMarks)),
      pictureFolder_(std::move(pictureFolder)) {}

void WindowBackground::ChooseAtStartup() {
  const bool pictureExists = FileExists(settings_.BackBMP);
  if (!pictureExists) settings_.BackMode = 1;
  SetTiled(settings_.BackMode == 0);
  // The picture is loaded even for a solid background, so that "Tiled
  // Bitmap" marks can show it later without a reload.
  if (pictureExists) {
    LoadedBitmap loaded = LoadBitmapFile(QString::fromStdString(settings_.BackBMP));
    if (loaded.ok()) {
      picture_ = std::move(loaded.picture);
      return;
    }
  }
  // A missing or unreadable picture leaves the solid colour.
  settings_.BackMode = 1;
  SetTiled(false);
}

void WindowBackground::SetTiled(bool tiled) {
  tiled_ = tiled;
  showMarks_(tiled);
  UpdateFace();
}

void WindowBackground::UpdateFace() {
  Background background;
  background.Tiled = tiled_;
  background.Color = ToQColor(settings_.BackColor);
  background.Picture = picture_;
  face_.SetBackground(background);
}

void WindowBackground::ChoosePicture() {
  // The file dialog's filter: its name, then the patterns, which stay.
  //: The kind of file the picture dialog lists.
  const QString filterName = tr("Bitmaps");
  const QString path =
      dialogs_.openFile(&dialogParent_, tr("Load Tiled Bitmap File"), pictureFolder_,
                        QStringLiteral("%1|*.BMP").arg(filterName));
  if (!path.isEmpty()) {
    LoadedBitmap loaded = LoadBitmapFile(path);
    if (!loaded.ok()) {
      // A picture that cannot be loaded changes nothing.
      dialogs_.warning(&dialogParent_, loaded.error);
      return;
    }
    const QFileInfo chosen(path);
    picture_ = std::move(loaded.picture);
    settings_.BackBMP = chosen.absoluteFilePath().toStdString();
    pictureFolder_ = chosen.absolutePath() + '/';
    settings_.BackMode = 0;
    SetTiled(true);
  }
  face_.RepaintMachine();
}

void WindowBackground::ChooseColor() {
  const auto chosen = dialogs_.chooseColor(&dialogParent_, lastChosenColor_);
  // A cancelled choice leaves the marks, the mode and the window alone, as a
  // cancelled picture choice does.
  if (!chosen) return;
  lastChosenColor_ = *chosen;
  settings_.BackColor = FromQColor(*chosen);
  settings_.BackMode = 1;
  SetTiled(false);
  face_.RepaintMachine();
}
