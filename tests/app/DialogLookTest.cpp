// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStyle>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "AppFixture.h"
#include "Application.h"
#include "DialogLook.h"
#include "GameHistoryWindow.h"
#include "MachineFace.h"
#include "Save.h"

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

// Runs a command that shows a modal dialog and looks at the dialog while it
// is up; false when no dialog came.
bool InspectModal(const std::function<void()>& command, const std::function<void(QDialog&)>& look) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    seen = true;
    look(*dialog);
    dialog->reject();
  });
  command();
  return seen;
}

// What a dark desktop theme gives the application.
QPalette DarkTheme() {
  QPalette dark(QColor(0xF0, 0xF0, 0xF0), QColor(0x35, 0x35, 0x35), QColor(0x55, 0x55, 0x55),
                QColor(0x20, 0x20, 0x20), QColor(0x2A, 0x2A, 0x2A), QColor(0xF0, 0xF0, 0xF0),
                QColor(0xFF, 0xFF, 0xFF), QColor(0x1E, 0x1E, 0x1E), QColor(0x2D, 0x2D, 0x2D));
  dark.setColor(QPalette::Highlight, QColor(0x3D, 0xAE, 0xE9));
  dark.setColor(QPalette::HighlightedText, QColor(0x10, 0x10, 0x10));
  dark.setColor(QPalette::ToolTipBase, QColor(0x30, 0x30, 0x30));
  dark.setColor(QPalette::ToolTipText, QColor(0xF0, 0xF0, 0xF0));
  return dark;
}

// WCAG 2 contrast ratio of two colours, 1 to 21.
double Contrast(const QColor& a, const QColor& b) {
  const auto luminance = [](const QColor& colour) {
    const auto linear = [](double c) {
      return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
  };
  const double la = luminance(a);
  const double lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr double ReadableContrast = 4.5;

// Collects every text of a window that reads at less than 4.5:1: buttons
// and fields by the colours the style paints them in, labels, radio
// buttons and check boxes in their text colour over the pixel the window
// shows under their corner (a label may lie on a painted canvas or a plate
// of its own).
void CheckTexts(QWidget& window, QStringList& unreadable) {
  const QImage shown = window.grab().toImage();
  const auto check = [&](const QWidget& widget, const QColor& text, const QColor& ground) {
    const double contrast = Contrast(text, ground);
    if (contrast < ReadableContrast)
      unreadable << QStringLiteral("%1 %2: %3 on %4, %5:1")
                        .arg(window.objectName(), widget.objectName(), text.name(), ground.name())
                        .arg(contrast, 0, 'f', 2);
  };
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&window) || !widget->isEnabled()) continue;
    const QPalette& colours = widget->palette();
    const QPoint corner = widget->mapTo(&window, QPoint(0, 0));
    const QColor under = shown.pixelColor(corner * shown.devicePixelRatio());
    if (qobject_cast<QPushButton*>(widget)) {
      check(*widget, colours.color(QPalette::ButtonText), colours.color(QPalette::Button));
    } else if (qobject_cast<QLineEdit*>(widget) || qobject_cast<QTextEdit*>(widget) ||
               qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QAbstractItemView*>(widget)) {
      check(*widget, colours.color(QPalette::Text), colours.color(QPalette::Base));
    } else if (const auto* label = qobject_cast<QLabel*>(widget)) {
      if (!label->text().isEmpty()) check(*widget, colours.color(QPalette::WindowText), under);
    } else if (qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget) ||
               qobject_cast<QToolButton*>(widget)) {
      check(*widget, colours.color(QPalette::WindowText), under);
      check(*widget, colours.color(QPalette::ButtonText), under);
    }
  }
}

// The menu bar as drawn: the strongest contrast inside each title against
// the bar beside it. Light text on a grey bar has none to show.
void CheckMenuBar(QMenuBar& bar, QStringList& unreadable) {
  const QImage shown = bar.grab().toImage();
  const qreal ratio = shown.devicePixelRatio();
  for (QAction* title : bar.actions()) {
    const QRect place = bar.actionGeometry(title);
    const QColor ground = shown.pixelColor(place.topLeft() * ratio);
    double strongest = 1;
    for (int y = place.top(); y <= place.bottom(); ++y)
      for (int x = place.left(); x <= place.right(); ++x)
        strongest = std::max(strongest, Contrast(shown.pixelColor(QPoint(x, y) * ratio), ground));
    if (strongest < ReadableContrast)
      unreadable
          << QStringLiteral("menu bar %1: %2:1").arg(title->text()).arg(strongest, 0, 'f', 2);
  }
}

// A menu's items, their hovered look and their disabled-free text.
void CheckMenu(QMenu& menu, QStringList& unreadable) {
  const QPalette& colours = menu.palette();
  for (const auto& [text, ground] : {std::pair{QPalette::Text, QPalette::Base},
                                     std::pair{QPalette::WindowText, QPalette::Window},
                                     std::pair{QPalette::HighlightedText, QPalette::Highlight}}) {
    const double contrast = Contrast(colours.color(text), colours.color(ground));
    if (contrast < ReadableContrast)
      unreadable << QStringLiteral("menu %1 %2: %3:1")
                        .arg(menu.objectName(), menu.title())
                        .arg(contrast, 0, 'f', 2);
  }
}

// The texts of a box as drawn: each enabled label's, button's and field's
// text is dark on a light ground (the ground the middle pixel of the
// widget's inside by lightness, the text the pixel that stands out most)
// and reads at 4.5:1 or more, and the labels lie on the classic grey.
void CheckShownTexts(QWidget& window, QStringList& problems) {
  const QImage shown = window.grab().toImage();
  const qreal ratio = shown.devicePixelRatio();
  int texts = 0;
  for (QWidget* widget : window.findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(&window) || !widget->isEnabled()) continue;
    QString text;
    int frame = 3;  // a button's or a field's edge is not its ground
    if (const auto* label = qobject_cast<QLabel*>(widget)) {
      text = label->text();
      frame = 0;
    }
    if (const auto* button = qobject_cast<QPushButton*>(widget)) text = button->text();
    if (const auto* field = qobject_cast<QLineEdit*>(widget)) text = field->text();
    if (text.isEmpty()) continue;
    ++texts;
    const QRect place = QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size())
                            .adjusted(frame, frame, -frame, -frame);
    QList<QColor> pixels;
    for (int y = qRound(place.top() * ratio); y < qRound((place.bottom() + 1) * ratio); ++y)
      for (int x = qRound(place.left() * ratio); x < qRound((place.right() + 1) * ratio); ++x)
        pixels << shown.pixelColor(x, y);
    std::sort(pixels.begin(), pixels.end(),
              [](const QColor& a, const QColor& b) { return a.lightness() < b.lightness(); });
    const QColor ground = pixels[pixels.size() / 2];
    QColor strongest = ground;
    for (const QColor& pixel : pixels)
      if (Contrast(pixel, ground) > Contrast(strongest, ground)) strongest = pixel;
    const QString what =
        QStringLiteral("%1 %2 \"%3\": %4 on %5")
            .arg(window.metaObject()->className(), widget->metaObject()->className(), text,
                 strongest.name(), ground.name());
    if (Contrast(strongest, ground) < ReadableContrast ||
        strongest.lightness() > ground.lightness())
      problems << what;
    if (frame == 0 && ground != ClassicFace)
      problems << what + QStringLiteral(", not on the classic face");
  }
  if (texts == 0) problems << QStringLiteral("%1 shows no text").arg(window.objectName());
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

  // One look whatever the desktop theme: every text of the menu bar, the
  // menus, the buttons, each dialog and the help window reads at 4.5:1 or
  // more under a light and under a dark theme, and all of it in the same
  // classic grey.
  void everyTextIsReadableUnderLightAndDarkThemes_data() {
    QTest::addColumn<bool>("dark");
    QTest::newRow("light theme") << false;
    QTest::newRow("dark theme") << true;
  }
  void everyTextIsReadableUnderLightAndDarkThemes() {
    QFETCH(bool, dark);
    const QPalette before = QApplication::palette();
    QApplication::setPalette(dark ? DarkTheme() : QApplication::style()->standardPalette());
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });

    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.CreatePayoffChart();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QStringList unreadable;
    CheckMenuBar(*form.menuBar(), unreadable);
    for (QMenu* menu : form.findChildren<QMenu*>()) CheckMenu(*menu, unreadable);
    CheckTexts(form, unreadable);
    QCOMPARE(form.palette().color(QPalette::Window), ClassicFace);

    const std::pair<const char*, std::function<void()>> commands[] = {
        {"TSoundForm", [&] { form.ChangeWAVs1Click(); }},
        {"TMusicForm", [&] { form.ChangeSongs1Click(); }},
        {"TAboutBox", [&] { form.AboutClick(); }},
        {"TPayoffs", [&] { form.BitBtn3Click(); }},
        {"TBorrowC", [&] { form.BorrowCredits1Click(); }},
        {"TLoadSave", [&] { form.Save1Click(); }},
    };
    for (const auto& [name, command] : commands) {
      const bool shown = InspectModal(command, [&](QDialog& dialog) {
        CheckTexts(dialog, unreadable);
        QCOMPARE(dialog.palette().color(QPalette::Window), ClassicFace);
      });
      QVERIFY2(shown, name);
    }
    // Game History opens beside the machine, not modal.
    form.GameHistory1Click();
    auto* history = form.findChild<GameHistoryWindow*>();
    QVERIFY(history != nullptr && history->isVisible());
    CheckTexts(*history, unreadable);
    QCOMPARE(history->palette().color(QPalette::Window), ClassicFace);
    history->close();
    fixture.Item("Manual1")->trigger();
    QWidget* help = Probe(form).Help().Browser();
    QVERIFY(QTest::qWaitForWindowExposed(help));
    CheckTexts(*help, unreadable);
    QCOMPARE(help->palette().color(QPalette::Window), ClassicFace);
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join('\n')));
  }

  // Qt's own boxes take the game's look too, whatever the desktop gives:
  // under a dark theme a message box, the name prompt and the file dialog
  // show the classic grey with dark text, every text readable.
  void qtBoxesKeepTheClassicLookUnderADarkTheme() {
    PrepareApplication();
    const QPalette before = QApplication::palette();
    QApplication::setPalette(DarkTheme());
    const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });

    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const DialogServices boxes = DialogServices::Standard();

    QStringList problems;
    const auto look = [&](QDialog& dialog) {
      if (auto* field = dialog.findChild<QLineEdit*>()) field->setText(QStringLiteral("Lucky"));
      const QImage shown = dialog.grab().toImage();
      if (QColor(shown.pixel(1, 1)) != ClassicFace)
        problems << QStringLiteral("%1 shows %2")
                        .arg(dialog.metaObject()->className(), QColor(shown.pixel(1, 1)).name());
      CheckShownTexts(dialog, problems);
      CheckTexts(dialog, problems);
    };
    const std::pair<const char*, std::function<void()>> commands[] = {
        {"message box", [&] { boxes.information(&form, QStringLiteral("Good luck!")); }},
        {"file dialog",
         [&] { boxes.openFile(&form, QStringLiteral("Open"), QString(), "Wav Files|*.WAV"); }},
    };
    for (const auto& [name, command] : commands) QVERIFY2(InspectModal(command, look), name);
    // The name prompt as the Save dialog's slot button opens it.
    bool prompted = false;
    InspectModal([&] { form.Save1Click(); },
                 [&](QDialog& save) {
                   auto& slotDialog = static_cast<TLoadSave&>(save);
                   prompted = InspectModal([&] { slotDialog.BitBtn7Click(1); }, look);
                 });
    QVERIFY(prompted);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
  }

  void helpWindowOpensCentred() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.move(0, 0);
    fixture.Item("Manual1")->trigger();
    QWidget* help = Probe(form).Help().Browser();
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
