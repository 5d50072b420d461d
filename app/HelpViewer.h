// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>

#include "HelpContexts.h"
#include "HelpWindow.h"

class QWidget;

// The program's own help window. A help file is an HTML page beside the
// program whose topics are anchors named by their context numbers.
class HelpViewer : public QObject {
  Q_OBJECT
 public:
  HelpViewer(QString programDir, std::function<void(const QString&)> warn);
  ~HelpViewer() override;

  // The file (in the program's folder) that the next request opens.
  void SetHelpFile(const QString& fileName) { helpFile_ = fileName; }
  const QString& HelpFile() const { return helpFile_; }

  void ShowContents();
  void ShowContext(int context);

  // The window as it was last opened; null before the first request.
  HelpWindow* Browser() const { return browser_; }
  // The topic the window was last opened at, empty for the contents.
  const QString& ShownTopic() const { return shownTopic_; }
  const QString& ShownFile() const { return shownFile_; }

  // F1 in any of the program's windows opens the topic of the active
  // window's help context (the nearest one up its parent chain).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Open(const QString& topic);

  QString programDir_;
  QString helpFile_;
  QString shownFile_;
  QString shownTopic_;
  std::function<void(const QString&)> warn_;
  QPointer<HelpWindow> browser_;
};
