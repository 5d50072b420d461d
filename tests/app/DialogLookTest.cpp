// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "AppFixture.h"
#include "MachineFace.h"

namespace {

const QColor ClassicFace(0xC0, 0xC0, 0xC0);

struct DialogLook {
  QString name;
  QPoint centreOffset;  // from the middle of the screen's free area
  QColor face;
  QColor buttonFace;
};

QPoint OffCentre(const QWidget& window) {
  const QRect screen = window.screen()->availableGeometry();
  return window.frameGeometry().center() - screen.center();
}

// Runs a command that shows a modal dialog and reads how the dialog looks
// while it is up.
std::optional<DialogLook> LookOfModal(const std::function<void()>& command) {
  std::optional<DialogLook> look;
  QTimer::singleShot(0, [&look] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    const auto* button = dialog->findChild<QPushButton*>();
    look = DialogLook{dialog->metaObject()->className(), OffCentre(*dialog),
                      dialog->palette().color(QPalette::Window),
                      button != nullptr ? button->palette().color(QPalette::Button) : QColor()};
    dialog->reject();
  });
  command();
  return look;
}

}  // namespace

class DialogLookTest : public QObject {
  Q_OBJECT

 private slots:
  // The main window sits in a corner, so a dialog placed over its owner
  // would be far from the middle of the screen.
  void everyDialogIsCentredOnTheScreenInTheClassicFace() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.CreatePayoffChart();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.move(0, 0);
    QTRY_COMPARE(form.pos(), QPoint(0, 0));

    const std::pair<const char*, std::function<void()>> commands[] = {
        {"TSoundForm", [&] { form.ChangeWAVs1Click(); }},
        {"TMusicForm", [&] { form.ChangeSongs1Click(); }},
        {"TAboutBox", [&] { form.AboutClick(); }},
        {"TPayoffs", [&] { form.BitBtn3Click(); }},
        {"TBorrowC", [&] { form.BorrowCredits1Click(); }},
        {"TLoadSave", [&] { form.Open1Click(); }},
    };
    for (const auto& [expected, command] : commands) {
      // Twice: the second showing must not keep a place from the first.
      for (int showing = 0; showing < 2; ++showing) {
        const auto look = LookOfModal(command);
        QVERIFY2(look.has_value(), expected);
        QCOMPARE(look->name, QString::fromLatin1(expected));
        QVERIFY2(std::abs(look->centreOffset.x()) <= 1 && std::abs(look->centreOffset.y()) <= 1,
                 qPrintable(QStringLiteral("%1 is off the middle by %2, %3")
                                .arg(expected)
                                .arg(look->centreOffset.x())
                                .arg(look->centreOffset.y())));
        QCOMPARE(look->face, ClassicFace);
        QCOMPARE(look->buttonFace, ClassicFace);
      }
    }
  }

  void helpWindowOpensCentred() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.move(0, 0);
    fixture.Item("Manual1")->trigger();
    QWidget* help = form.Help().Browser();
    QVERIFY(help != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(help));
    const QPoint offset = OffCentre(*help);
    QVERIFY2(std::abs(offset.x()) <= 1 && std::abs(offset.y()) <= 1,
             qPrintable(QStringLiteral("off by %1, %2").arg(offset.x()).arg(offset.y())));

    // Moved by the player while open, it stays put for the next topic.
    help->move(10, 20);
    QTRY_COMPARE(help->pos(), QPoint(10, 20));
    fixture.Item("Catalog1")->trigger();
    QCOMPARE(help->pos(), QPoint(10, 20));
  }
};

QT_TEST_CLASS(DialogLookTest);
#include "DialogLookTest.moc"
