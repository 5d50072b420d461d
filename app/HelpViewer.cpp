// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpViewer.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QUrl>

#include "DialogLook.h"
#include "GameState.h"
#include "Translations.h"

namespace {

constexpr int HelpWidth = 640;
constexpr int HelpHeight = 520;

int HelpContextOf(QWidget* window) {
  for (QWidget* widget = window; widget != nullptr; widget = widget->parentWidget()) {
    const QVariant context = widget->property(HelpContextProperty);
    if (context.isValid()) return context.toInt();
  }
  return 0;
}

}  // namespace

HelpViewer::HelpViewer(QString programDir, std::function<void(const QString&)> warn)
    : programDir_(std::move(programDir)),
      helpFile_(QStringLiteral("VOLTA.HLP")),
      warn_(std::move(warn)) {}

HelpViewer::~HelpViewer() { delete browser_; }

void HelpViewer::ShowContents() { Open(QString()); }

void HelpViewer::ShowContext(int context) { Open(QString::number(context)); }

void HelpViewer::Open(const QString& topic) {
  const QString path = programDir_ + HelpFileInLanguage(programDir_, helpFile_, GameLanguage());
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    warn_(tr("Unable to open the help file %1.").arg(path));
    return;
  }
  if (browser_ == nullptr) {
    browser_ = new HelpWindow;
    browser_->resize(HelpWidth, HelpHeight);
  }
  //: The help window's title; %1 is the game's name.
  browser_->setWindowTitle(tr("%1 Help").arg(QString::fromUtf8(ProductTitle)));
  // The page is read from its file, so its links and pictures are found
  // beside it and every topic opened goes into the Back list.
  QUrl page = QUrl::fromLocalFile(path);
  page.setFragment(topic.isEmpty() ? QString() : topic);
  browser_->ShowPage(page);
  shownFile_ = helpFile_;
  shownTopic_ = topic;

  // A modal dialog would keep a plain window from taking input, so help
  // asked for from inside one is modal itself.
  const bool overModal =
      QApplication::activeModalWidget() != nullptr && QApplication::activeModalWidget() != browser_;
  if (browser_->isVisible() && (browser_->windowModality() == Qt::ApplicationModal) != overModal)
    browser_->hide();
  browser_->setWindowModality(overModal ? Qt::ApplicationModal : Qt::NonModal);
  // Opened in the middle of the screen; once open it stays where the player put it.
  if (!browser_->isVisible()) CentreOnScreen(*browser_);
  browser_->show();
  browser_->raise();
  browser_->activateWindow();
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
    QWidget* active = QApplication::activeWindow();
    if (active == browser_) return false;
    const int context = HelpContextOf(active);
    if (context != 0) {
      ShowContext(context);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}
