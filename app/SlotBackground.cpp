// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QFileInfo>

#include "Colors.h"
#include "MachineFace.h"
#include "Slot.h"
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

void TForm1::SetBackgroundMarks(bool tiled) {
  menu_.Tiled1->setChecked(tiled);
  menu_.None1->setChecked(!tiled);
  UpdateFaceBackground();
}

void TForm1::UpdateFaceBackground() {
  // The paint decides tiled or solid by the mark; BackMode is what is kept.
  Background background;
  background.Tiled = menu_.Tiled1->isChecked();
  background.Color = ToQColor(settings_.BackColor);
  background.Picture = backgroundBitmap_;
  face_->SetBackground(background);
}

void TForm1::Tiled1Click() {
  // The file dialog's filter: its name, then the patterns, which stay.
  //: The kind of file the picture dialog lists.
  const QString filterName = tr("Bitmaps");
  const QString path =
      environment_.dialogs.openFile(this, tr("Load Tiled Bitmap File"), openDialogFolder_,
                                    QStringLiteral("%1|*.BMP").arg(filterName));
  if (!path.isEmpty()) {
    LoadedBitmap loaded = LoadBitmapFile(path);
    if (!loaded.ok()) {
      // A picture that cannot be loaded changes nothing.
      environment_.dialogs.warning(this, loaded.error);
      return;
    }
    const QFileInfo chosen(path);
    backgroundBitmap_ = std::move(loaded.picture);
    settings_.BackBMP = chosen.absoluteFilePath().toStdString();
    openDialogFolder_ = chosen.absolutePath() + '/';
    settings_.BackMode = 0;
    SetBackgroundMarks(true);
  }
  face_->RepaintMachine();
}

void TForm1::None1Click() {
  const auto chosen = environment_.dialogs.chooseColor(this, lastChosenColor_);
  // A cancelled choice leaves the marks, the mode and the window alone, as a
  // cancelled picture choice does.
  if (!chosen) return;
  lastChosenColor_ = *chosen;
  settings_.BackColor = FromQColor(*chosen);
  settings_.BackMode = 1;
  SetBackgroundMarks(false);
  face_->RepaintMachine();
}
