// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAccessible>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "DialogAnswers.h"
#include "Fonts.h"
#include "GameSetup.h"
#include "GameState.h"
#include "Machine.h"
#include "QtTestClasses.h"
#include "Random.h"
#include "Reels.h"
#include "Save.h"
#include "SavedGamePanel.h"
#include "Settings.h"
#include "SilentView.h"
#include "Slots.h"

namespace {

constexpr const char* Today = "07/04/25";

// A money caption as the slot panels show it, with the locale's point.
QString Caption(const char* amount, const char* word) {
  QString text = QString::fromLatin1(amount);
  text.replace(u'.', QLocale().decimalPoint());
  return text + QLatin1Char(' ') + QString::fromLatin1(word);
}

// The fields a slot carries, of a game or of a slot record, in one line:
// credits, borrowed, pool, spins, power, free spins played.
template <class Game>
QString Fields(const Game& game) {
  return QString::asprintf("%.2f %.2f %.2f %d %d %d", game.Credits, game.Borrowed, game.BonusPool,
                           game.Spins, game.PowerPts, game.FreeSpinsPlayed);
}

}  // namespace

class SaveTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> folder;
  std::string path;
  Settings settings = DefaultSettings("/");
  SilentView view;
  RandomSource random{5};
  std::unique_ptr<Machine> machine;
  const GameState& State() const { return machine->State(); }
  template <typename Edit>
  void Change(Edit edit) {
    ChangeGame(*machine, edit);
  }
  Slots savedGames;
  DialogAnswers answers;

  std::unique_ptr<TLoadSave> MakeDialog(SlotMode mode) {
    SlotCommands commands;
    commands.busy = [this] { return machine->IsBusy(); };
    commands.open = [this](const SlotRecord& slot) {
      return machine->OpenGame(SnapshotOf(slot)).done;
    };
    auto dialog = std::make_unique<TLoadSave>(
        mode, savedGames, std::move(commands), machine->State(), path,
        [] { return std::string(Today); }, answers.Services());
    dialog->show();
    return dialog;
  }
  void ClickSlot(TLoadSave& dialog, int slot) {
    QTest::mouseClick(dialog.Panel(slot).Button, Qt::LeftButton);
  }
  Slots ReadBack() {
    Slots fromFile;
    ReadSlots(path, fromFile, "01/01/01");
    return fromFile;
  }
  void PlayEvening() {
    Change([&](GameState& g) {
      g.Credits = 1234.56;
      g.Borrowed = 1000.00;
      g.Spins = 25;
      g.BonusPool = 61.25;
      g.PowerPts = 40;
      g.FreeSpinsPlayed = 3;
    });
  }

 private slots:
  void init() {
    folder = std::make_unique<QTemporaryDir>();
    path = (folder->path() + QStringLiteral("/VOLTA.INI")).toStdString();
    view = SilentView();
    machine = std::make_unique<Machine>(settings, view, random);
    GameState start;
    InstallStrips(start);
    machine->RestoreGame(start);
    savedGames = Slots();
    answers = DialogAnswers();
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  }
  void cleanup() { QLocale::setDefault(QLocale::system()); }

  void savedGameReopensAsItWasSaved() {
    PlayEvening();
    answers.names.push_back(QStringLiteral("Evening"));
    {
      auto dialog = MakeDialog(SlotMode::Save);
      QCOMPARE(dialog->windowTitle(), QStringLiteral("Save a Game -- Select Game Slot"));
      QCOMPARE(dialog->Panel(3).Name->text(), QStringLiteral("Game #3"));
      dialog->Panel(3).Name->setText(QStringLiteral("Typed over"));
      ClickSlot(*dialog, 3);
      QVERIFY(!dialog->isVisible());
      QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }
    QCOMPARE(answers.prompts.size(), std::size_t{1});
    QCOMPARE(answers.prompts[0].title, QStringLiteral("Name for this saved game?"));
    QCOMPARE(answers.prompts[0].initial, QStringLiteral("Typed over"));
    QVERIFY2(answers.warnings.isEmpty(), qPrintable(answers.warnings.join('\n')));

    const Slots file = ReadBack();
    QCOMPARE(QString::fromStdString(file[3].Name), QStringLiteral("Evening"));
    QCOMPARE(Fields(file[3]), QStringLiteral("1234.56 1000.00 61.25 25 40 0"));
    QCOMPARE(QString::fromStdString(file[3].Date), QString::fromLatin1(Today));
    QCOMPARE(QString::fromStdString(file[2].Name), QStringLiteral("Game #2"));

    // A different game is in play when the slot is opened again, with coins
    // on the table.
    machine->RestoreGame(GameState());
    Change([&](GameState& g) { g.Wager = 1.25; });
    auto dialog = MakeDialog(SlotMode::Open);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Open a Game -- Select Game Slot"));
    QCOMPARE(dialog->Panel(3).date->text(), QString::fromLatin1(Today));
    QCOMPARE(dialog->Panel(3).credits->text(), Caption("1234.56", "credits"));
    QCOMPARE(dialog->Panel(3).borrowed->text(), Caption("1000.00", "borrowed"));
    QCOMPARE(dialog->Panel(3).Name->text(), QStringLiteral("Evening"));
    ClickSlot(*dialog, 3);
    QVERIFY(!dialog->isVisible());
    // Free spins played come from memory: the file does not keep them.
    QCOMPARE(Fields(State()), QStringLiteral("1234.56 1000.00 61.25 25 40 3"));
    // The coins stayed with the game that was left.
    QCOMPARE(State().Wager, 0.0);
    QCOMPARE(State().CoinValue, 0.25);
    QCOMPARE(State().FreeSpins, 0);
  }

  void neverSavedSlotOpensAsAFreshGame() {
    Change([&](GameState& g) {
      g.Credits = 3.00;
      g.Spins = 9;
      g.PowerPts = 70;
      g.FreeSpinsPlayed = 4;
    });
    auto dialog = MakeDialog(SlotMode::Open);
    QCOMPARE(dialog->Panel(5).credits->text(), Caption("1000.00", "credits"));
    ClickSlot(*dialog, 5);
    QCOMPARE(Fields(State()), QStringLiteral("1000.00 1000.00 10000.00 0 0 0"));
    QVERIFY(!QFile::exists(QString::fromStdString(path)));
  }

  void cancelChangesNothing_data() {
    QTest::addColumn<bool>("saving");
    QTest::addColumn<bool>("atNamePrompt");
    QTest::newRow("save, Cancel button") << true << false;
    QTest::newRow("save, name prompt") << true << true;
    QTest::newRow("open, Cancel button") << false << false;
  }
  void cancelChangesNothing() {
    QFETCH(bool, saving);
    QFETCH(bool, atNamePrompt);
    PlayEvening();
    const QString before = Fields(State());
    auto dialog = MakeDialog(saving ? SlotMode::Save : SlotMode::Open);
    if (atNamePrompt)
      ClickSlot(*dialog, 2);  // no reply queued: the prompt is cancelled
    else
      QTest::mouseClick(dialog->CancelBtn, Qt::LeftButton);

    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(atNamePrompt ? QDialog::Accepted : QDialog::Rejected));
    QVERIFY(!QFile::exists(QString::fromStdString(path)));
    QCOMPARE(QString::fromStdString(savedGames[2].Name), QStringLiteral("Game #2"));
    QCOMPARE(Fields(State()), before);
  }

  void longNamesKeepTheirFirstHundredCharacters() {
    const QString typed = QString(150, u'x').replace(100, 1, u'!');
    answers.names.push_back(typed);
    MakeDialog(SlotMode::Save)->BitBtn7Click(1);
    QCOMPARE(QString::fromStdString(savedGames[1].Name), QString(100, u'x'));
    QCOMPARE(QString::fromStdString(ReadBack()[1].Name), QString(100, u'x'));
  }

  void nonAsciiNamesKeepTheirFirstHundredCharacters() {
    // Accented letters count one each, though each takes two bytes.
    answers.names.push_back(QString(150, QChar(0x00E9)));
    MakeDialog(SlotMode::Save)->BitBtn7Click(4);
    QCOMPARE(QString::fromStdString(savedGames[4].Name), QString(100, QChar(0x00E9)));
    QCOMPARE(QString::fromStdString(ReadBack()[4].Name), QString(100, QChar(0x00E9)));
    // A character outside the basic plane is two UTF-16 units, never split.
    const QString symbol = QString::fromUcs4(U"\U0001F3B0");
    QCOMPARE(QString::fromUtf8(SlotNameFromInput(QString(99, u'a') + symbol + u'b')),
             QString(99, u'a') + symbol);
    QCOMPARE(QString::fromUtf8(SlotNameFromInput(QString(100, u'a') + symbol)), QString(100, u'a'));
  }

  void failedWriteIsReported() {
    // A plain file where the folder should be.
    QFile blocker(folder->path() + QStringLiteral("/notafolder"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    path = blocker.fileName().toStdString() + "/VOLTA.INI";
    PlayEvening();
    answers.names.push_back(QStringLiteral("Kept anyway"));
    auto dialog = MakeDialog(SlotMode::Save);
    ClickSlot(*dialog, 6);
    QCOMPARE(answers.warnings,
             QStringList{QStringLiteral("Unable to write to ") + QString::fromStdString(path)});
    QVERIFY(!dialog->isVisible());
    QCOMPARE(QString::fromStdString(savedGames[6].Name), QStringLiteral("Kept anyway"));
    QCOMPARE(savedGames[6].Credits, 1234.56);
  }

  void helpOpensItsTopicAndLeavesTheDialogOpen() {
    auto dialog = MakeDialog(SlotMode::Open);
    QTest::mouseClick(dialog->HelpBtn, Qt::LeftButton);
    QCOMPARE(answers.helpTopics, std::vector<int>{41010});
    QVERIFY(dialog->isVisible());
  }

  void openingIsRefusedWhileTheWheelsTurn() {
    GameState saved;
    saved.Borrowed = 5.00;
    saved.BonusPool = 7.00;
    saved.Credits = 20.00;
    QVERIFY(!WriteSlot(path, 2, "Short game", saved, Today));
    auto dialog = MakeDialog(SlotMode::Open);
    machine->Bet1();
    machine->PlanEnded();
    const Plan spin = machine->Spin().plan;  // its plan not yet played out
    QVERIFY(!spin.Empty());
    ClickSlot(*dialog, 2);
    QCOMPARE(answers.information, QStringList{"Please wait until the wheels have stopped."});
    QCOMPARE(State().Borrowed, 1000.00);
    QVERIFY(State().BonusPool != 7.00);
    QVERIFY(dialog->isVisible());

    machine->PlanEnded();
    ClickSlot(*dialog, 2);
    QCOMPARE(State().Borrowed, 5.00);
    QCOMPARE(State().Credits, 20.00);
    QVERIFY(!dialog->isVisible());
  }

  void savingIsRefusedWhileTheWheelsTurn() {
    auto dialog = MakeDialog(SlotMode::Save);
    answers.names = {QStringLiteral("Mid-spin"), QStringLiteral("Settled")};
    machine->Bet1();
    machine->PlanEnded();
    const Plan spin = machine->Spin().plan;  // its plan not yet played out
    QVERIFY(!spin.Empty());
    ClickSlot(*dialog, 3);
    QCOMPARE(answers.information, QStringList{"Please wait until the wheels have stopped."});
    QVERIFY(!QFile::exists(QString::fromStdString(path)));
    QVERIFY(dialog->isVisible());

    // Once the spin has settled the same slot takes the whole game.
    machine->PlanEnded();
    ClickSlot(*dialog, 3);
    QVERIFY(!dialog->isVisible());
    const Slots stored = ReadBack();
    QCOMPARE(stored[3].Name, std::string("Settled"));
    QCOMPARE(Fields(stored[3]), Fields(State()));
  }

  // Enter on a focused slot button, or in a slot's name field, picks the
  // slot as a click does, and Enter confirms the name prompt. A screen
  // reader tells the eight "OK" buttons apart by slot and game.
  void enterPicksASlotAndEachButtonIsNamed() {
    PlayEvening();
    QVERIFY(!WriteSlot(path, 3, "Evening", State(), Today));
    answers.names = {QStringLiteral("By button"), QStringLiteral("By name field")};
    auto named = [](TLoadSave& dialog, int slot, QAccessible::Text text) {
      return QAccessible::queryAccessibleInterface(dialog.Panel(slot).Button)->text(text);
    };
    {
      auto dialog = MakeDialog(SlotMode::Save);
      for (int slot = 1; slot <= SlotCount; ++slot)
        QCOMPARE(named(*dialog, slot, QAccessible::Name),
                 slot == 3 ? QStringLiteral("Slot 3: Evening")
                           : QStringLiteral("Slot %1: empty").arg(slot));
      QCOMPARE(named(*dialog, 3, QAccessible::Description), Caption("1234.56", "credits") + ", " +
                                                                Caption("1000.00", "borrowed") +
                                                                ", saved " + Today);
      dialog->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
      dialog->Panel(5).Button->setFocus();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QVERIFY(!dialog->isVisible());
    }
    QCOMPARE(answers.prompts.size(), std::size_t{1});
    QCOMPARE(answers.prompts[0].initial, QStringLiteral("Game #5"));
    {
      auto dialog = MakeDialog(SlotMode::Save);
      QCOMPARE(named(*dialog, 5, QAccessible::Name), QStringLiteral("Slot 5: By button"));
      dialog->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
      dialog->Panel(6).Name->setFocus();
      dialog->Panel(6).Name->setText(QStringLiteral("Typed"));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
      QVERIFY(!dialog->isVisible());
    }
    // One prompt for the one Enter: no default button pressed as well.
    QCOMPARE(answers.prompts.size(), std::size_t{2});
    QCOMPARE(answers.prompts[1].initial, QStringLiteral("Typed"));
    QCOMPARE(ReadBack()[6].Name, std::string("By name field"));

    // Open: Enter on the focused Cancel cancels, and on slot 3's button
    // brings its game back.
    machine->RestoreGame(GameState());
    {
      auto dialog = MakeDialog(SlotMode::Open);
      dialog->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
      dialog->CancelBtn->setFocus();
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
      QCOMPARE(dialog->result(), int(QDialog::Rejected));
      QCOMPARE(State().Credits, GameState().Credits);
    }
    auto dialog = MakeDialog(SlotMode::Open);
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    dialog->Panel(3).Button->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(State().Credits, 1234.56);

    // The real name prompt takes Enter as OK.
    QTimer::singleShot(0, [] {
      QWidget* prompt = QApplication::activeModalWidget();
      auto* field = prompt != nullptr ? prompt->findChild<QLineEdit*>() : nullptr;
      if (field == nullptr) return;
      QTest::keyClicks(field, QStringLiteral("Night"));
      QTest::keyClick(field, Qt::Key_Return);
    });
    const auto typed = DialogServices::Standard().askText(nullptr, "Name", QString());
    QCOMPARE(typed.value_or(QStringLiteral("cancelled")), QStringLiteral("Night"));
  }

  // The file keeps month, day and two-digit year with the separator of the
  // system the game was saved on; a slot shows them in the player's order.
  void slotDatesShowInTheLocalesOrder_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("German, saved in English") << "de_DE"
                                              << "12/08/26"
                                              << "08.12.26";
    QTest::newRow("German, saved in German") << "de_DE"
                                             << "12.08.26"
                                             << "08.12.26";
    QTest::newRow("French") << "fr_FR"
                            << "12.08.26"
                            << "08/12/26";
    QTest::newRow("English") << "en_US"
                             << "12/08/26"
                             << "12/08/26";
    QTest::newRow("English, saved in German") << "en_US"
                                              << "12.08.26"
                                              << "12/08/26";
    QTest::newRow("C, month first") << "C"
                                    << "12.08.26"
                                    << "12/08/26";
    QTest::newRow("any separator") << "de_DE"
                                   << "01 31-00"
                                   << "31.01.00";
    QTest::newRow("edited: four-digit year") << "de_DE"
                                             << "12.8.2026"
                                             << "12.8.2026";
    QTest::newRow("edited: month 13") << "de_DE"
                                      << "13/08/26"
                                      << "13/08/26";
    QTest::newRow("edited: day 0") << "en_US"
                                   << "12/00/26"
                                   << "12/00/26";
    QTest::newRow("edited: day 32") << "fr_FR"
                                    << "01/32/26"
                                    << "01/32/26";
    QTest::newRow("edited: no separator") << "de_DE"
                                          << "12080026"
                                          << "12080026";
    QTest::newRow("edited: words") << "fr_FR"
                                   << "Dec 8 26"
                                   << "Dec 8 26";
  }
  void slotDatesShowInTheLocalesOrder() {
    QFETCH(QString, locale);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    QLocale::setDefault(locale == "C" ? QLocale::c() : QLocale(locale));
    QCOMPARE(SlotDateText(stored.toStdString()), shown);
  }

  // A German player reads the slots' figures and dates the German way, with
  // no group separators; the file keeps what it always kept.
  void panelsWriteFiguresTheLocalesWay() {
    PlayEvening();
    QVERIFY(!WriteSlot(path, 3, "Evening", State(), "12/08/26"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    auto dialog = MakeDialog(SlotMode::Open);
    const SavedGamePanel& panel = dialog->Panel(3);
    QCOMPARE(panel.date->text(), QStringLiteral("08.12.26"));
    QCOMPARE(panel.credits->text(), QStringLiteral("1234,56 credits"));
    QCOMPARE(panel.borrowed->text(), QStringLiteral("1000,00 borrowed"));
    QCOMPARE(QAccessible::queryAccessibleInterface(panel.Button)->text(QAccessible::Description),
             QStringLiteral("1234,56 credits, 1000,00 borrowed, saved 08.12.26"));
    QCOMPARE(ReadBack()[3].Date, std::string("12/08/26"));
  }

  void todayUsesTheSlotDateFormat() {
    const QString today = QString::fromStdString(TodaySlotDate());
    QVERIFY(today.size() == 8 && !today[2].isDigit());
    QCOMPARE(today,
             QDate::currentDate().toString(QStringLiteral("MM/dd/yy")).replace(u'/', today[2]));
  }
};

#include "SaveTest.moc"

QT_TEST_CLASS_WITH(SaveTest, nullptr, InstallFontSubstitutes);
