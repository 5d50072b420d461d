// SPDX-License-Identifier: GPL-3.0-or-later
#include <QColorDialog>
#include <QDirIterator>
#include <QTimer>
#include <QtTest>
#include <cstdlib>

#include "DialogHooks.h"
#include "PlatformDialogs.h"

namespace {

// Cancels the next modal dialog as soon as it is up.
void CancelWhenShown() {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      dialog->reject();
    }
  });
  timer->start(20);
}

// Every file below folder, for a message.
QStringList FilesBelow(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  return files;
}

}  // namespace

// The game's "Change" buttons open Qt's file and colour dialogs, which keep
// state of their own in Qt's settings. None of it may land in the player's
// config folder, which holds the game's settings file alone.
class ConfigFolderTest : public QObject {
  Q_OBJECT

 private slots:
  void dialogsWriteNothing() {
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const QString home = qEnvironmentVariable("HOME");
    QVERIFY(config.startsWith(QDir::tempPath()) && home.startsWith(QDir::tempPath()));

    const PlatformDialogs dialogs = PlatformDialogs::Standard();
    // Background picture.
    CancelWhenShown();
    QCOMPARE(dialogs.openFile(nullptr, "Load Tiled Bitmap File", QDir::tempPath(), "Bitmaps|*.BMP"),
             QString());
    // Background colour, with a custom colour set as a player would.
    QColorDialog::setCustomColor(0, QColor(10, 20, 30));
    CancelWhenShown();
    QCOMPARE(dialogs.chooseColor(nullptr, Qt::red), std::nullopt);
    // Sounds and songs.
    CancelWhenShown();
    QCOMPARE(PlatformDialogHooks().chooseFile(nullptr, "Wav Files|*.WAV", QDir::tempPath()),
             QString());

    QCOMPARE(FilesBelow(config), QStringList());
    QCOMPARE(FilesBelow(home), QStringList());
  }
};

int main(int argc, char** argv) {
  // A private config folder and home before Qt looks for either.
  QByteArray root = QDir::tempPath().toLocal8Bit() + "/voltaro-config-XXXXXX";
  if (::mkdtemp(root.data()) == nullptr) return 2;
  const QByteArray config = root + "/config";
  const QByteArray home = root + "/home";
  QDir().mkpath(QString::fromLocal8Bit(config));
  QDir().mkpath(QString::fromLocal8Bit(home));
  ::setenv("XDG_CONFIG_HOME", config.constData(), 1);
  ::setenv("HOME", home.constData(), 1);
  int status = 0;
  {
    QApplication application(argc, argv);
    ConfigFolderTest test;
    status = QTest::qExec(&test, argc, argv);
  }
  QDir(QString::fromLocal8Bit(root)).removeRecursively();
  return status;
}

#include "ConfigFolderTest.moc"
