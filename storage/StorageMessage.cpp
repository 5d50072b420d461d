// SPDX-License-Identifier: GPL-3.0-or-later
#include "StorageMessage.h"

#include <QCoreApplication>

std::string StorageMessage(const char* context, const char* text, std::string_view value) {
  std::string message = QCoreApplication::translate(context, text).toStdString();
  if (const std::size_t at = message.find("%1"); at != std::string::npos)
    message.replace(at, 2, value);
  return message;
}
