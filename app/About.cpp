// SPDX-License-Identifier: GPL-3.0-or-later
#include "About.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <algorithm>

#include "DialogLook.h"
#include "GameState.h"
#include "Palette.h"
#include "Version.h"

namespace {

constexpr int ClientWidth = 361;
constexpr int ClientHeight = 413;

}  // namespace

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AboutBox"));
  SetUpFixedDialog(*this, QSize(ClientWidth, ClientHeight), 0);
  setFont(DialogPixelFont(13, false));
  // The description's text area shows on the dialog's face.
  QPalette face = ClassicPalette();
  face.setColor(QPalette::Base, palette::ButtonFace);
  setPalette(face);

  ProgramIcon = new QLabel(this);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(16, 16, 32, 32);

  ProductName = new QLabel(this);
  ProductName->setObjectName(QStringLiteral("ProductName"));
  ProductName->setFont(DialogPixelFont(19, true));
  ProductName->setGeometry(64, 20, 281, 28);

  // "Version:" and the number side by side, a space apart whatever the
  // label's length in the player's language.
  auto* versionLine = new QWidget(this);
  versionLine->setGeometry(64, 60, 281, 17);
  auto* versionLayout = new QHBoxLayout(versionLine);
  versionLayout->setContentsMargins(0, 0, 0, 0);
  versionLayout->setSpacing(QFontMetrics(font()).horizontalAdvance(QLatin1Char(' ')));

  VersionLabel = new QLabel(versionLine);
  VersionLabel->setObjectName(QStringLiteral("VersionLabel"));
  VersionLabel->setFont(DialogPixelFont(13, true));
  versionLayout->addWidget(VersionLabel);

  Version = new QLabel(versionLine);
  Version->setObjectName(QStringLiteral("Version"));
  versionLayout->addWidget(Version);
  versionLayout->addStretch();
  // As tall as the bold line needs, and no less than the classic row.
  versionLine->resize(versionLine->width(),
                      std::max(17, QFontMetrics(VersionLabel->font()).height()));

  Comments = new QPlainTextEdit(this);
  Comments->setObjectName(QStringLiteral("Comments"));
  Comments->setReadOnly(true);
  Comments->setFrameShape(QFrame::NoFrame);
  Comments->setGeometry(24, 112, 313, 209);

  OKButton = new QPushButton(tr("&OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry((ClientWidth - 129) / 2, 360, 129, 27);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::showEvent(QShowEvent* event) {
  //: The window title; %1 is the game's name.
  setWindowTitle(tr("About %1").arg(QString::fromUtf8(ProductTitle)));
  ProgramIcon->setPixmap(QApplication::windowIcon().pixmap(32, 32));
  ProductName->setText(QString::fromUtf8(ProductTitle));
  VersionLabel->setText(tr("Version:"));
  Version->setText(QString::fromUtf8(VersionText));
  VersionLabel->parentWidget()->layout()->activate();
  Comments->setPlainText(tr(ProgramDescription));
  QDialog::showEvent(event);
}
