// SPDX-License-Identifier: GPL-3.0-or-later
#include "HelpWindow.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "DialogLook.h"

namespace {

constexpr int FindFieldWidth = 180;

}  // namespace

HelpWindow::HelpWindow() {
  setObjectName(QStringLiteral("HelpWindow"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  setPalette(ClassicPalette());
  page_ = new QTextBrowser(this);
  page_->setObjectName(QStringLiteral("HelpPage"));
  // Links to the web go to the browser; links between topics stay here.
  page_->setOpenExternalLinks(true);
  CreateToolBar();
  CreateShortcuts();
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(findChild<QToolBar*>());
  layout->addWidget(page_);
}

void HelpWindow::CreateToolBar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("HelpToolBar"));
  bar->setToolButtonStyle(Qt::ToolButtonTextOnly);

  BackAction = bar->addAction(tr("&Back"), page_, &QTextBrowser::backward);
  BackAction->setObjectName(QStringLiteral("HelpBack"));
  BackAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Left));
  BackAction->setEnabled(false);
  connect(page_, &QTextBrowser::backwardAvailable, BackAction, &QAction::setEnabled);

  ForwardAction = bar->addAction(tr("F&orward"), page_, &QTextBrowser::forward);
  ForwardAction->setObjectName(QStringLiteral("HelpForward"));
  ForwardAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Right));
  ForwardAction->setEnabled(false);
  connect(page_, &QTextBrowser::forwardAvailable, ForwardAction, &QAction::setEnabled);

  ContentsAction = bar->addAction(tr("&Contents"), this, &HelpWindow::ShowContents);
  ContentsAction->setObjectName(QStringLiteral("HelpContents"));
  ContentsAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_Home));
  bar->addSeparator();

  findField_ = new QLineEdit(bar);
  findField_->setObjectName(QStringLiteral("HelpFindText"));
  findField_->setPlaceholderText(tr("Find in help"));
  findField_->setAccessibleName(tr("Find in help"));
  findField_->setClearButtonEnabled(true);
  findField_->setFixedWidth(FindFieldWidth);
  bar->addWidget(findField_);
  FindAction = bar->addAction(tr("&Find"), this, [this] { FindNext(findField_->text()); });
  FindAction->setObjectName(QStringLiteral("HelpFind"));
  FindAction->setShortcut(QKeySequence(Qt::Key_F3));
  connect(findField_, &QLineEdit::returnPressed, FindAction, &QAction::trigger);
  //: Said beside the find field when the text is nowhere in the page.
  notFound_ = new QLabel(tr("Not found"), bar);
  notFound_->setObjectName(QStringLiteral("HelpNotFound"));
  notFound_->setContentsMargins(6, 0, 6, 0);
  notFoundShown_ = bar->addWidget(notFound_);
  notFoundShown_->setVisible(false);
  connect(findField_, &QLineEdit::textChanged, this, [this] { notFoundShown_->setVisible(false); });
}

void HelpWindow::CreateShortcuts() {
  // The keys are spelled out: the desktop's standard ones may be missing
  // (a bare X11 session has none for Close). Esc and Ctrl+W close the
  // window from anywhere in it, the find field included.
  for (const QKeySequence& keys :
       {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)})
    connect(new QShortcut(keys, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this), &QShortcut::activated, this,
          [this] {
            findField_->setFocus(Qt::ShortcutFocusReason);
            findField_->selectAll();
          });
}

void HelpWindow::ShowPage(const QUrl& page) { page_->setSource(page, QTextDocument::HtmlResource); }

void HelpWindow::ShowContents() {
  QUrl top = page_->source();
  top.setFragment(QString());
  if (!top.isEmpty()) ShowPage(top);
}

bool HelpWindow::FindNext(const QString& text) {
  bool found = text.isEmpty() || page_->find(text);
  if (!found) {
    // Past the last place: go round from the top once.
    page_->moveCursor(QTextCursor::Start);
    found = page_->find(text);
  }
  notFoundShown_->setVisible(!found);
  return found;
}
