// SPDX-License-Identifier: GPL-3.0-or-later
#include <QColorDialog>
#include <QDirIterator>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>
#include <cstdlib>

#include "DialogServices.h"
#include "Profile.h"
#include "QtTestClasses.h"
#include "SingleGame.h"

namespace {

// Cancels the next modal dialog as soon as it is up; a box's text is kept.
void CancelWhenShown(QString* boxText = nullptr) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, [timer, boxText] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      if (auto* box = qobject_cast<QMessageBox*>(dialog); box != nullptr && boxText != nullptr)
        *boxText = box->text();
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

    const DialogServices dialogs = DialogServices::Standard();
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
    QCOMPARE(dialogs.openFile(nullptr, "Open", QDir::tempPath(), "Wav Files|*.WAV"), QString());

    QCOMPARE(FilesBelow(config), QStringList());
    QCOMPARE(FilesBelow(home), QStringList());
  }

  // Where no lock can be taken on the settings file, the start says so,
  // naming the file, and the game writes nothing while it lasts.
  void aStartThatCannotLockSaysSo() {
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/unlockable");
    QVERIFY(QDir().mkpath(folder + QStringLiteral("/.VOLTA.INI.lock")));
    const QString path = folder + QStringLiteral("/VOLTA.INI");
    QString shown;
    CancelWhenShown(&shown);
    const auto lock = ClaimSettingsFile(path);
    QVERIFY(lock.has_value());
    QCOMPARE(lock->Result(), SettingsLock::State::Unavailable);
    QVERIFY2(shown.startsWith(QStringLiteral("Voltaro Slots cannot lock its settings file")) &&
                 shown.contains(path),
             qPrintable(shown));
    QVERIFY(WriteProfileString(path.toStdString(), "Settings", "Credits", "1.00").has_value());
    QVERIFY(!QFileInfo::exists(path));
    QDir(folder).removeRecursively();
  }
};

namespace {

// A private config folder and home, made before Qt looks for either and
// removed when the program ends.
class PrivateHome {
 public:
  PrivateHome() : root_(QDir::tempPath().toLocal8Bit() + "/voltaro-config-XXXXXX") {
    if (::mkdtemp(root_.data()) == nullptr) qFatal("cannot make a private home");
    const QByteArray config = root_ + "/config";
    const QByteArray home = root_ + "/home";
    QDir().mkpath(QString::fromLocal8Bit(config));
    QDir().mkpath(QString::fromLocal8Bit(home));
    ::setenv("XDG_CONFIG_HOME", config.constData(), 1);
    ::setenv("HOME", home.constData(), 1);
  }
  ~PrivateHome() { QDir(QString::fromLocal8Bit(root_)).removeRecursively(); }

 private:
  QByteArray root_;
};

void UsePrivateHome() { static PrivateHome home; }

}  // namespace

QT_TEST_CLASS_WITH(ConfigFolderTest, UsePrivateHome, nullptr);

#include "ConfigFolderTest.moc"
