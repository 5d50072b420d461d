// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QtMath>
#include <array>
#include <cstdio>
#include <memory>

#include "Borrow.h"
#include "CanvasWidget.h"
#include "DialogAnswers.h"
#include "Fonts.h"
#include "GameSetup.h"
#include "GameState.h"
#include "LedReader.h"
#include "Machine.h"
#include "Money.h"
#include "QtTestClasses.h"
#include "Random.h"
#include "Reels.h"
#include "ScaledScreens.h"
#include "Settings.h"
#include "SilentView.h"

namespace {

// "%10.2f" as the readouts show it, read back with a '.' for the point.
QString Readout(double amount) {
  char text[32];
  std::snprintf(text, sizeof text, "%10.2f", amount);
  return QString::fromLatin1(text);
}

}  // namespace

class BorrowTest : public QObject {
  Q_OBJECT

 private:
  Settings settings = DefaultSettings("/");
  SilentView view;
  RandomSource random{11};
  std::unique_ptr<Machine> machine;
  const GameState& State() const { return machine->State(); }
  template <typename Edit>
  void Change(Edit edit) {
    ChangeGame(*machine, edit);
  }
  DialogAnswers answers;

  std::unique_ptr<TBorrowC> MakeDialog(int symbolSize = 96) {
    const MoneyCommand move = [this](MoneyRequest request, double amount) {
      return (request == MoneyRequest::PayBack ? machine->PayBack(amount) : machine->Borrow(amount))
          .money;
    };
    auto dialog =
        std::make_unique<TBorrowC>(move, machine->State(), symbolSize, answers.Services());
    dialog->show();
    return dialog;
  }
  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

 private slots:
  void init() {
    view = SilentView();
    machine = std::make_unique<Machine>(settings, view, random);
    GameState start;
    InstallStrips(start);
    machine->RestoreGame(start);
    answers = DialogAnswers();
    // The messages write amounts as the player's locale does; read in English.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
  void cleanup() { QLocale::setDefault(QLocale::system()); }

  void amountButtonsMoveCreditsAndBorrowedTogether_data() {
    QTest::addColumn<bool>("payBack");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<double>("credits");
    QTest::addColumn<double>("borrowed");
    QTest::addColumn<double>("creditsAfter");
    QTest::addColumn<double>("borrowedAfter");
    QTest::addColumn<QString>("message");

    const QString none;
    QTest::newRow("borrow 1000 three times")
        << false << 0 << 3 << 1000.00 << 1000.00 << 4000.00 << 4000.00 << none;
    QTest::newRow("pay back 1000 with 999.99")
        << true << 0 << 1 << 999.99 << 1000.00 << 999.99 << 1000.00
        << QStringLiteral("You do not have 1000 credits!");
    QTest::newRow("pay back more than borrowed")
        << true << 2 << 1 << 50.00 << 5.00 << 50.00 << 5.00
        << QStringLiteral("You cannot pay back more credits than you have borrowed!");
    QTest::newRow("credit check comes first") << true << 3 << 1 << 0.50 << 0.50 << 0.50 << 0.50
                                              << QStringLiteral("You do not have 1 credit!");
    QTest::newRow("pay back a cent short") << true << 5 << 1 << 0.00 << 5.00 << 0.00 << 5.00
                                           << QStringLiteral("You do not have 0.01 credits!");
    QTest::newRow("pay back the last cent") << true << 5 << 1 << 0.01 << 0.01 << 0.0 << 0.0 << none;
    QTest::newRow("pay back 10 cents twice")
        << true << 4 << 2 << 5.00 << 2.00 << 4.80 << 1.80 << none;
    QTest::newRow("borrow with the debt at the limit")
        << false << 0 << 1 << 100.00 << money::LargestAmount << 100.00 << money::LargestAmount
        << QStringLiteral("You cannot borrow any more credits!");
    QTest::newRow("borrow what fits below the debt limit")
        << false << 1 << 1 << 100.00 << money::Sub(money::LargestAmount, 5) << 105.00
        << money::LargestAmount << none;
  }
  void amountButtonsMoveCreditsAndBorrowedTogether() {
    QFETCH(bool, payBack);
    QFETCH(int, button);
    QFETCH(int, clicks);
    QFETCH(double, credits);
    QFETCH(double, borrowed);
    QFETCH(double, creditsAfter);
    QFETCH(double, borrowedAfter);
    QFETCH(QString, message);
    Change([&](GameState& g) {
      g.Credits = credits;
      g.Borrowed = borrowed;
    });

    auto dialog = MakeDialog();
    QVERIFY(dialog->RadioButton1->isChecked());
    if (payBack) Click(dialog->RadioButton2);
    for (int i = 0; i < clicks; ++i) Click(dialog->AmountButtons[static_cast<std::size_t>(button)]);

    QCOMPARE(State().Credits, creditsAfter);
    QCOMPARE(State().Borrowed, borrowedAfter);
    QCOMPARE(answers.information, message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(dialog->isVisible());

    // Credits end at the right, green; Borrowed starts at the left, red. A
    // debt wider than its ten cells is squeezed into them and read no more.
    const QImage& canvas = dialog->Surface().Canvas();
    QCOMPARE(ReadLedRightToLeft(canvas, 582 - 30, 40, 2, 10), Readout(creditsAfter));
    if (Readout(borrowedAfter).size() <= 10)
      QCOMPARE(ReadLedLeftToRight(canvas, 20, 40, 4, 10), Readout(borrowedAfter));
    // The same values as text for a screen reader, and chips named by what
    // a press does in the mode chosen.
    const auto spoken = [](double amount) { return Readout(amount).trimmed(); };
    QCOMPARE(
        QAccessible::queryAccessibleInterface(&dialog->Surface())->text(QAccessible::Description),
        QStringLiteral("Credits: %1. Borrowed: %2.")
            .arg(spoken(creditsAfter), spoken(borrowedAfter)));
    const std::array<const char*, 6> chips{"$1,000", "$100", "$10", "$1", "10\u00a2", "1\u00a2"};
    QCOMPARE(QAccessible::queryAccessibleInterface(
                 dialog->AmountButtons[static_cast<std::size_t>(button)])
                 ->text(QAccessible::Name),
             (payBack ? QStringLiteral("Pay back ") : QStringLiteral("Borrow ")) +
                 QString::fromUtf8(chips[static_cast<std::size_t>(button)]));
  }

  // Amounts in the messages and in what a screen reader says are written as
  // the player's locale writes them, whole ones without cents.
  void amountsFollowThePlayersLocale() {
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    Change([&](GameState& g) {
      g.Credits = 0.05;
      g.Borrowed = 12345.50;
    });
    auto dialog = MakeDialog();
    Click(dialog->RadioButton2);
    Click(dialog->AmountButtons[4]);
    Click(dialog->AmountButtons[1]);
    QCOMPARE(answers.information, (QStringList{QStringLiteral("You do not have 0,10 credits!"),
                                               QStringLiteral("You do not have 100 credits!")}));
    QCOMPARE(
        QAccessible::queryAccessibleInterface(&dialog->Surface())->text(QAccessible::Description),
        QStringLiteral("Credits: 0,05. Borrowed: 12345,50."));
  }

  void helpExplainsTheDialogAndOkCloses() {
    auto dialog = MakeDialog();
    Click(dialog->BitBtn7);
    QCOMPARE(answers.information,
             QStringList{
                 "Use this screen to borrow credits or pay back credits that you borrowed "
                 "previously.  Click on the button representing the amount to borrow (or pay "
                 "back).\r\n\r\nTo switch between \"borrow\" and \"pay back\" select the mode."});
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Use this form to borrow or pay back credits"));
    Click(dialog->OKBtn);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
  }

  void readoutsAreDrawnAtTheScreensRatio_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("125%") << 1.25;
    QTest::newRow("150%") << 1.5;
    QTest::newRow("200%") << 2.0;
    QTest::newRow("300%") << 3.0;
  }
  // On a scaled screen the LED readouts and their captions are drawn at the
  // screen's own pixels, not blown up from the dialog at 1.
  void readoutsAreDrawnAtTheScreensRatio() {
    QFETCH(qreal, ratio);
    QScreen* plain = ScreenOfRatio(1.0);
    QScreen* scaled = ScreenOfRatio(ratio);
    QVERIFY(plain != nullptr && scaled != nullptr);
    Change([&](GameState& g) { g.Borrowed = 1234.56; });
    auto one = MakeDialog();
    MoveToScreen(*one, *plain);
    auto dialog = MakeDialog();
    MoveToScreen(*dialog, *scaled);
    QTRY_COMPARE(dialog->Surface().CanvasRatio(), ratio);
    const double tolerance = ratio == qFloor(ratio) ? 4.0 : 9.0;
    const int money = 9 * 15 + 4;
    const QStringList failed = PartsNotDrawnAtRatio(
        dialog->Surface().Canvas(), one->Surface().Canvas(),
        {
            {"credits", QRect(582 - 30 + 15 - money, 40, money, 20), tolerance, 0.03},
            {"borrowed", QRect(20, 40, money, 20), tolerance, 0.03},
            {"captions", QRect(20, 20, 542, 16), tolerance + 2, 0.03},
        });
    QVERIFY2(failed.isEmpty(), qPrintable(failed.join('\n')));
  }

  // The mode is a choice of two: the arrow keys move it either way, Down
  // and Up as well as Right and Left, and round from the last to the first;
  // Alt and a letter choose a mode as well.
  void arrowKeysMoveTheModeChoice() {
    auto dialog = MakeDialog();
    QApplication::setActiveWindow(dialog.get());
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    dialog->RadioButton1->setFocus();
    QRadioButton* focused = dialog->RadioButton1;
    for (const auto& [key, payBack] : {std::pair{Qt::Key_Down, true},
                                       {Qt::Key_Down, false},
                                       {Qt::Key_Right, true},
                                       {Qt::Key_Up, false},
                                       {Qt::Key_Left, true}}) {
      QTest::keyClick(focused, key);
      focused = payBack ? dialog->RadioButton2 : dialog->RadioButton1;
      QCOMPARE(dialog->RadioButton2->isChecked(), payBack);
      QVERIFY(focused->hasFocus());
    }
    // Each mode has its access key too.
    QTest::keyClick(dialog.get(), Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(dialog->RadioButton1->isChecked());
    QTest::keyClick(dialog.get(), Qt::Key_P, Qt::AltModifier);
    QTRY_VERIFY(dialog->RadioButton2->isChecked());
    // The chips then say what a press does in the mode chosen.
    QCOMPARE(dialog->AmountButtons[0]->accessibleName(), QStringLiteral("Pay back $1,000"));
  }

  void refusedWhileTheWheelsTurn_data() {
    QTest::addColumn<bool>("payBack");
    QTest::newRow("borrow") << false;
    QTest::newRow("pay back") << true;
  }
  void refusedWhileTheWheelsTurn() {
    QFETCH(bool, payBack);
    auto dialog = MakeDialog();
    if (payBack) Click(dialog->RadioButton2);
    machine->Bet1();
    machine->PlanEnded();
    const Plan spin = machine->Spin().plan;  // its plan not yet played out
    QVERIFY(!spin.Empty());
    const double creditsBefore = State().Credits;
    Click(dialog->AmountButtons[3]);
    QCOMPARE(State().Credits, creditsBefore);
    QCOMPARE(State().Borrowed, 1000.00);
    QCOMPARE(answers.information, QStringList{"Please wait until the wheels have stopped."});

    // Once the wheels have stopped the same click goes through.
    machine->PlanEnded();
    const double credits = State().Credits;
    Click(dialog->AmountButtons[3]);
    QCOMPARE(State().Borrowed, payBack ? 999.00 : 1001.00);
    QCOMPARE(State().Credits, payBack ? credits - 1 : credits + 1);
  }
};

#include "BorrowTest.moc"

QT_TEST_CLASS_WITH(BorrowTest, UseScaledScreens, InstallFontSubstitutes);
