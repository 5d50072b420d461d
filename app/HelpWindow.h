// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QAction;
class QLabel;
class QLineEdit;
class QTextBrowser;
class QUrl;

// The window the help pages are read in: the page, with Back, Forward,
// Contents and Find above it. Esc and Ctrl+W close it.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  HelpWindow();

  // Shows a help file, at an anchor when the URL names one; earlier pages
  // stay in the Back list.
  void ShowPage(const QUrl& page);
  // Selects the next place the text occurs, from the top again after the
  // last; false when it occurs nowhere.
  bool FindNext(const QString& text);

  QTextBrowser* Page() const { return page_; }
  QLineEdit* FindField() const { return findField_; }
  QAction* BackAction = nullptr;
  QAction* ForwardAction = nullptr;
  QAction* ContentsAction = nullptr;
  QAction* FindAction = nullptr;

 private:
  void CreateToolBar();
  void CreateShortcuts();
  void ShowContents();

  QTextBrowser* page_ = nullptr;
  QLineEdit* findField_ = nullptr;
  QLabel* notFound_ = nullptr;
  QAction* notFoundShown_ = nullptr;
};
