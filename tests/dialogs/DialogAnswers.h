// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <optional>
#include <vector>

#include "DialogServices.h"

// Answers the dialogs' message boxes and name prompt at once and records
// what they were asked.
struct DialogAnswers {
  QStringList information;
  QStringList warnings;
  std::vector<int> helpTopics;
  struct Prompt {
    QString title;
    QString initial;
  };
  std::vector<Prompt> prompts;
  // Replies to the name prompt, in order; once they run out the prompt is
  // cancelled.
  std::deque<QString> names;
  // The file a save dialog answers with (empty: cancelled), and the names
  // it offered.
  QString savePath;
  QStringList offeredNames;

  DialogServices Services() {
    DialogServices services;
    services.information = [this](QWidget*, const QString& text) { information << text; };
    services.warning = [this](QWidget*, const QString& text) { warnings << text; };
    services.help = [this](int context) { helpTopics.push_back(context); };
    services.askText = [this](QWidget*, const QString& title,
                              const QString& initial) -> std::optional<QString> {
      prompts.push_back({title, initial});
      if (names.empty()) return std::nullopt;
      const QString reply = names.front();
      names.pop_front();
      return std::optional<QString>(reply);
    };
    services.saveFile = [this](QWidget*, const QString&, const QString& name, const QString&) {
      offeredNames << name;
      return savePath;
    };
    return services;
  }
};
