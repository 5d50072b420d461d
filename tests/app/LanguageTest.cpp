// SPDX-License-Identifier: GPL-3.0-or-later
// The game in the player's language, as the program picks it at start: run
// once for each of LANG=de_DE.UTF-8, fr_FR.UTF-8, en_US.UTF-8 and C, with the
// catalogs the build made, and again on a screen scaled by 2. Every text is
// read back from the widgets.
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "About.h"
#include "AppFixture.h"
#include "Borrow.h"
#include "ChartPlot.h"
#include "FaceDescription.h"
#include "GameHistoryWindow.h"
#include "GameRecordsText.h"
#include "Music.h"
#include "Paychart.h"
#include "Save.h"
#include "SavedGamePanel.h"
#include "Sounds.h"
#include "Translations.h"

namespace {

const QString kRuntimeDir = QStringLiteral(VOLTARO_RUNTIME_DIR "/");

// What a player of each locale reads. English is today's text, word for word.
struct LanguageTexts {
  const char* locale;  // QLocale::system().name()
  QString language;    // the game's catalog in use, empty for English
  QStringList menuBar;
  QStringList fileMenu;
  QStringList coinValues;  // the Bet Amount menu
  QString borrowTitle;
  QString spinWithoutBet;
  QString cancelButton;  // Qt's own
  QString historyTitle;
  QString historyHeading;
  QString historyWin;     // $2.50 won
  QString historyReturn;  // 40% so far
  QString historyChance;  // the caption of the chance line
  QString historyCharts;  // the charts' tab
  QString historyPoint;   // the credits chart at play 1, 996.25 credits
  QString helpTitle;
  QString helpHeading;    // the manual's first heading
  QString savedDate;      // a slot saved on 8 December 2026 as "12/08/26"
  QString savedCredits;   // 1234.56 credits in that slot
  QString emptySong;      // the song dialog's fourth row, which the file names "MIDI Song #4"
  QString openKeys;       // Ctrl+O beside File > Open
  QString folderType;     // what Qt's file dialog calls a folder
  QStringList spinsLeft;  // the free spins left after a free spin: 1, then 2
};

const QString nbsp = QStringLiteral("\u00a0");

const std::vector<LanguageTexts>& Languages() {
  static const std::vector<LanguageTexts> languages{
      {"de_DE",
       "de",
       {"&Datei", "&Optionen", "&Automatik", "&Hilfe"},
       {"&Neues Spiel", "-", "Ö&ffnen", "&Speichern", "-", "Spiel&verlauf", "-", "&Beenden"},
       {"5" + nbsp + "$", "1" + nbsp + "$", "50" + nbsp + "¢", "25" + nbsp + "¢", "10" + nbsp + "¢",
        "5" + nbsp + "¢"},
       "Credits leihen oder zurückzahlen",
       "Bitte setzen Sie zuerst einen Einsatz.",
       "Abbrechen",
       "Spielverlauf",
       "Die letzten zehn Drehungen, neueste zuerst",
       "2,50" + nbsp + "$",
       "40,0" + nbsp + "%",
       "99 von 100 Spielen mit so vielen bezahlten Drehungen enden zwischen:",
       "Dia&gramme",
       "Drehung 1: 996,25" + nbsp + "$",
       "Hilfe zu Voltaro Slots",
       "Hilfe zu Voltaro Slots",
       "08.12.26",
       "1234,56 Credits",
       "MIDI-Titel 4",
       "Strg+O",
       "Verzeichnis",
       {"Noch 1 Freispiel.", "Noch 2 Freispiele."}},
      {"fr_FR",
       "fr",
       {"&Fichier", "&Options", "A&uto", "&Aide"},
       {"&Nouvelle partie", "-", "&Ouvrir", "&Enregistrer", "-", "&Historique de la partie", "-",
        "&Quitter"},
       {"5" + nbsp + "$", "1" + nbsp + "$", "50" + nbsp + "¢", "25" + nbsp + "¢", "10" + nbsp + "¢",
        "5" + nbsp + "¢"},
       "Emprunter ou rembourser des crédits",
       "Veuillez miser avant de lancer.",
       "Annuler",
       "Historique de la partie",
       "Les dix derniers tours, du plus récent au plus ancien",
       "2,50" + nbsp + "$",
       "40,0" + nbsp + "%",
       "Avec autant de tours payants, 99 parties sur 100 finissent entre" + nbsp + ":",
       "&Graphiques",
       "Tour 1" + nbsp + ": 996,25" + nbsp + "$",
       "Voltaro Slots – Aide",
       "Aide de Voltaro Slots",
       "08/12/26",
       "Crédits" + nbsp + ": 1234,56",
       "Morceau MIDI 4",
       "Ctrl+O",
       "Dossier",
       {"Encore 1 tour gratuit.", "Encore 2 tours gratuits."}},
      {"en_US",
       "",
       {"&File", "&Options", "&Auto", "&Help"},
       {"&New Game", "-", "&Open", "&Save", "-", "Game &History", "-", "E&xit"},
       {"$5", "$1", "50¢", "25¢", "10¢", "5¢"},
       "Use this form to borrow or pay back credits",
       "Please place a bet before spinning.",
       "Cancel",
       "Game History",
       "The last ten plays, newest first",
       "$2.50",
       "40.0%",
       "99 games in 100 with as many paid spins end between:",
       "&Charts",
       "Play 1: $996.25",
       "Voltaro Slots Help",
       "Voltaro Slots Help",
       "12/08/26",
       "1234.56 credits",
       "MIDI Song #4",
       "Ctrl+O",
       "Folder",
       {"1 free spin left.", "2 free spins left."}},
  };
  return languages;
}

// The row for the locale the program was started in; C reads as English.
const LanguageTexts& Expected() {
  const QString name = QLocale::system().name();
  for (const LanguageTexts& texts : Languages())
    if (name == QLatin1String(texts.locale)) return texts;
  return Languages().back();
}

QStringList Captions(const QMenu* menu) {
  QStringList captions;
  for (const QAction* action : menu->actions())
    captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
  return captions;
}

// Runs `read` on the modal dialog of type T once it is up, then closes it.
template <typename T>
void WhenShown(QObject* context, std::function<void(T*)> read) {
  QTimer::singleShot(0, context, [read] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    read(dialog);
    dialog->reject();
  });
}

// The room a label's text leaves before the next control on its line.
constexpr int NearestControl = 4;

// The texts of a window's labels and buttons that do not fit the room they
// are given: a longer translation must not be cut off.
QStringList CutTexts(const QWidget* window) {
  QStringList cut;
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->wordWrap() || label->text().isEmpty()) continue;
    // A label that names a field shows its access key underlined, not as "&".
    QString text = label->text();
    if (label->buddy() != nullptr) text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    int needed = 0;
    for (const QString& line : text.split('\n'))
      needed = std::max(needed, label->fontMetrics().horizontalAdvance(line));
    const int lines = static_cast<int>(label->text().count('\n')) + 1;
    const int tall = label->fontMetrics().height() * lines;
    if (needed > label->contentsRect().width() || tall > label->contentsRect().height())
      cut << label->text();
    // Nor may its text run into a button or field beside it.
    if (!(label->alignment() & Qt::AlignLeft)) continue;
    const QRect room(label->pos(), QSize(needed + NearestControl, label->height()));
    for (const QWidget* sibling :
         label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      // A frame drawn round the label is no control beside it.
      if (sibling != label && qobject_cast<const QLabel*>(sibling) == nullptr &&
          sibling->isVisibleTo(window) && sibling->geometry().intersects(room) &&
          !sibling->geometry().contains(room))
        cut << label->text() + QStringLiteral(" (runs into ") +
                   (sibling->objectName().isEmpty()
                        ? QString::fromLatin1(sibling->metaObject()->className())
                        : sibling->objectName()) +
                   ')';
    }
  }
  for (const QLabel* label : window->findChildren<QLabel*>()) {
    // A wrapped label grows downwards: its last line must still show.
    if (!label->isVisibleTo(window) || !label->wordWrap() || label->text().isEmpty()) continue;
    if (label->heightForWidth(label->width()) > label->height()) cut << label->text();
  }
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    if (!button->isVisibleTo(window) || button->text().isEmpty()) continue;
    // A choice's size hint is its mark and its text; a push button's also
    // holds a frame the classic layout does without.
    const bool choice = qobject_cast<const QRadioButton*>(button) != nullptr ||
                        qobject_cast<const QCheckBox*>(button) != nullptr;
    const int needed =
        choice ? button->sizeHint().width()
               : button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) +
                     (button->icon().isNull() ? 0 : button->iconSize().width());
    if (needed > button->width() || button->fontMetrics().height() > button->height())
      cut << button->text();
  }
  return cut;
}

// Every text a window shows, in the order it made its widgets: its title,
// and each label's, button's and field's text and tooltip.
QStringList ShownTexts(const QWidget* window) {
  QStringList texts{window->windowTitle()};
  for (const QWidget* widget : window->findChildren<QWidget*>()) {
    if (!widget->isVisibleTo(window)) continue;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) texts << label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) texts << button->text();
    texts << widget->toolTip() << widget->accessibleName();
  }
  texts.removeAll(QString());
  return texts;
}

// Texts the same in English and in another language: names, the game's
// own word for its money in German, and what has no words at all.
bool SameInEveryLanguage(const QString& text) {
  static const QStringList names{"Voltaro Slots", "Voltaro", "OK",       "&OK",      "Bonus",
                                 "Magnet",        "Credits", "Credits:", "Version:", "&Options"};
  if (names.contains(text)) return true;
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
  static const QRegularExpression fileName(QStringLiteral("^[A-Z0-9]+\\.[A-Z]+$"));
  return !word.match(text).hasMatch() || fileName.match(text).hasMatch();
}

// The file dialog's columns after the name each show their heading and
// entries, and the view shows every column.
bool ColumnsFit(QFileDialog* dialog) {
  auto* view = dialog->findChild<QTreeView*>(QStringLiteral("treeView"));
  if (view == nullptr || view->model()->rowCount(view->rootIndex()) == 0) return false;
  QHeaderView* header = view->header();
  for (int column = 1; column < header->count(); ++column) {
    const int size = header->sectionSize(column);
    if (size < header->sectionSizeHint(column)) return false;
    for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
      const QModelIndex index = view->model()->index(row, column, view->rootIndex());
      const QString text = index.data().toString();
      if (view->fontMetrics().horizontalAdvance(text) > size) return false;
    }
  }
  return header->length() <= view->viewport()->width();
}

// What one window showed and what of it did not fit.
struct WindowReading {
  QString window;
  QStringList texts;
  QStringList cut;
};

QString Label(QWidget* window, const char* name) {
  auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
  return label != nullptr ? label->text() : QStringLiteral("<no %1>").arg(name);
}

// Opens every window of the game and the boxes of Qt's it opens, one after
// another, and reads each; the help pages are read in their window.
QList<WindowReading> ReadEveryWindow() {
  const QString ini =
      QStringLiteral(
          "[Settings]\r\nCredits=996.25\r\n[Game History]\r\nPlay1=%1\r\n"
          "[Game Statistics]\r\nPaidSpins=1\r\nMoneyWagered=6.25\r\nWonOnLines=2.50\r\n"
          "SpinsByCoins=25:1\r\n[Saved Game 1]\r\nName=Evening\r\nSpins=25\r\n"
          "Date=12/08/26\r\nCredits=12345.67\r\nBorrowed=12345.67\r\n")
          .arg(QString::fromStdString(PlayText(PaidPlayOf25Coins())));
  FormFixture fixture(ini);
  for (const char* page : {"VOLTA", "CATALOG"}) {
    for (const char* language : {"", ".de", ".fr"}) {
      const QString name = QStringLiteral("%1%2.HLP").arg(page, language);
      QFile::remove(fixture.Program().File(name));
      QFile::copy(kRuntimeDir + name, fixture.Program().File(name));
    }
  }
  TForm1& form = fixture.Form();
  form.show();
  if (!QTest::qWaitForWindowExposed(&form)) return {};
  QList<WindowReading> readings;
  const auto read = [&readings](const QString& name, QWidget* window, QStringList cut) {
    readings << WindowReading{name, ShownTexts(window), cut + CutTexts(window)};
  };
  read(QStringLiteral("main window"), &form, {});
  for (const QMenu* menu : form.findChildren<QMenu*>())
    readings << WindowReading{
        menu->objectName().isEmpty() ? QStringLiteral("menu bar") : menu->objectName(),
        Captions(menu),
        {}};

  const auto readDialog = [&](const QString& name) {
    WhenShown<QDialog>(&form, [&read, name](QDialog* dialog) { read(name, dialog, {}); });
  };
  // "Version:" and its number one space apart, however long the label is.
  WhenShown<TAboutBox>(&form, [&read](TAboutBox* box) {
    const int gap = box->Version->geometry().left() - box->VersionLabel->geometry().left() -
                    box->VersionLabel->fontMetrics().horizontalAdvance(box->VersionLabel->text());
    const int space = box->fontMetrics().horizontalAdvance(QLatin1Char(' '));
    read(QStringLiteral("About"), box,
         gap >= space && gap <= 3 * space ? QStringList() : QStringList{QStringLiteral("gap")});
  });
  fixture.Item("About")->trigger();
  for (const char* item : {"BorrowCredits1", "Open1", "Save1", "ChangeSongs1", "ChangeWAVs1"}) {
    readDialog(QString::fromLatin1(item));
    fixture.Item(item)->trigger();
  }
  // Game History opens beside the machine, not modal.
  fixture.Item("GameHistory1")->trigger();
  if (auto* history = form.findChild<GameHistoryWindow*>()) {
    read(QStringLiteral("GameHistory1"), history, {});
    history->close();
  }
  readDialog(QStringLiteral("Payoff Chart"));
  form.findChild<QAbstractButton*>(QStringLiteral("BitBtn3"))->click();

  // Qt's own boxes as the game opens them.
  const DialogServices qt = DialogServices::Standard();
  readDialog(QStringLiteral("message box"));
  qt.information(&form, WaitForWheelsMessage());
  QStringList unnamed;
  WhenShown<QInputDialog>(&form, [&](QInputDialog* prompt) {
    const auto* field = prompt->findChild<QLineEdit*>();
    if (field == nullptr || field->accessibleName() != prompt->labelText())
      unnamed << QStringLiteral("the name field is not named by its question");
    read(QStringLiteral("name prompt"), prompt, unnamed);
  });
  qt.askText(&form, QCoreApplication::translate("TLoadSave", "Name for this saved game?"),
             QStringLiteral("Evening"));
  WhenShown<QFileDialog>(&form, [&](QFileDialog* dialog) {
    const bool fits = QTest::qWaitFor([dialog] { return ColumnsFit(dialog); }, 5000);
    read(QStringLiteral("file dialog"), dialog,
         fits ? QStringList() : QStringList{QStringLiteral("a column of the file list")});
  });
  qt.openFile(
      &form, QCoreApplication::translate("TMusicForm", "Open"), kRuntimeDir,
      QCoreApplication::translate("TMusicForm", "MIDI Sequencer") + QStringLiteral("|*.mid;*.rmi"));

  // Both help pages, laid out in the help window: no line wider than it.
  for (const char* item : {"Manual1", "Catalog1"}) {
    fixture.Item(item)->trigger();
    HelpWindow* help = Probe(form).Help().Browser();
    if (help == nullptr || !QTest::qWaitForWindowExposed(help)) return {};
    QStringList wide;
    if (help->Page()->horizontalScrollBar()->maximum() > 0)
      wide << help->Page()->source().fileName() + QStringLiteral(" is wider than its window");
    read(QString::fromLatin1(item), help, wide);
    help->close();
  }
  return readings;
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    InstallTranslations(kRuntimeDir);
    QCOMPARE(GameLanguage(), Expected().language);
  }

  // The menus in the player's language, each menu's accelerators distinct
  // so that Alt and a letter reaches every item.
  void menusAndTheirAccelerators() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    QStringList bar;
    for (const QAction* action : form.menuBar()->actions()) bar << action->text();
    QCOMPARE(bar, Expected().menuBar);
    QCOMPARE(Captions(form.findChild<QMenu*>(QStringLiteral("File1"))), Expected().fileMenu);
    QCOMPARE(Captions(form.findChild<QMenu*>(QStringLiteral("BetAmount1"))), Expected().coinValues);
    // Its keys are written as the player's keyboard names them.
    QCOMPARE(fixture.Item("Open1")->shortcut().toString(QKeySequence::NativeText),
             Expected().openKeys);

    const QRegularExpression accelerator(QStringLiteral("&([^&\\s])"));
    const QList<QMenu*> menus = form.findChildren<QMenu*>();
    QVERIFY(menus.size() > 8);
    for (const QMenu* menu : menus) {
      QStringList letters;
      for (const QAction* action : menu->actions()) {
        const auto match = accelerator.match(action->text());
        if (!match.hasMatch()) continue;
        const QString letter = match.captured(1).toLower();
        QVERIFY2(!letters.contains(letter),
                 qPrintable(menu->objectName() + ": two items on " + letter));
        letters << letter;
      }
    }
  }

  // Every window, menu and help page, and the boxes of Qt's the game opens,
  // in the player's language: no text cut off, across or down, and none of
  // the English texts left in another language.
  void everyWindowInTheLanguage() {
    InstallTranslations(kRuntimeDir, QLocale::c());
    const QList<WindowReading> english = ReadEveryWindow();
    InstallTranslations(kRuntimeDir);
    const QList<WindowReading> shown = ReadEveryWindow();
    QCOMPARE(shown.size(), english.size());
    QVERIFY(shown.size() > 20);

    QStringList problems;
    for (qsizetype n = 0; n < shown.size(); ++n) {
      const WindowReading& window = shown[n];
      QCOMPARE(window.window, english[n].window);
      QVERIFY2(!window.texts.isEmpty(), qPrintable(window.window));
      for (const QString& cut : window.cut) problems << window.window + ": cut off: " + cut;
      if (Expected().language.isEmpty()) continue;
      for (const QString& text : window.texts)
        if (english[n].texts.contains(text) && !SameInEveryLanguage(text))
          problems << window.window + ": in English: " + text;
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
  }

  // The Borrow dialog, a message of the game's rules, and Qt's own buttons
  // in a real box.
  void dialogsAndBoxes() {
    FormFixture fixture;
    TForm1& form = fixture.Form();
    QString title;
    QStringList cut;
    WhenShown<TBorrowC>(&form, [&](TBorrowC* dialog) {
      title = dialog->windowTitle();
      cut << CutTexts(dialog);
    });
    fixture.Item("BorrowCredits1")->trigger();
    QCOMPARE(title, Expected().borrowTitle);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    cut << CutTexts(&form);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));

    QTest::mouseClick(WindowButton(form, "Button1"), Qt::LeftButton);
    QCOMPARE(fixture.Script().informations, QStringList{Expected().spinWithoutBet});

    // The game's message in Qt's real box, and the name prompt with Qt's
    // Cancel button.
    QString boxText;
    QStringList buttons;
    WhenShown<QMessageBox>(&form, [&](QMessageBox* box) {
      boxText = box->text();
      for (const QAbstractButton* button : box->buttons()) buttons << button->text();
    });
    DialogServices::Standard().information(&form, fixture.Script().informations.first());
    QCOMPARE(boxText, Expected().spinWithoutBet);
    QCOMPARE(buttons, QStringList{QStringLiteral("OK")});
    QStringList promptButtons;
    WhenShown<QInputDialog>(&form, [&](QInputDialog* prompt) {
      for (const QAbstractButton* button : prompt->findChildren<QPushButton*>())
        promptButtons << button->text();
    });
    DialogServices::Standard().askText(&form, QStringLiteral("Name"), QString());
    QCOMPARE(promptButtons, (QStringList{QStringLiteral("OK"), Expected().cancelButton}));
    // Qt's file dialog names a folder in the player's language too.
    QCOMPARE(QFileIconProvider().type(QFileInfo(kRuntimeDir)), Expected().folderType);
  }

  // A count in a sentence takes the form its number asks for.
  void countsInSentences() {
    QStringList said;
    for (const int left : {1, 2}) {
      FaceReadings readings;
      readings.freeSpinsLeft = left;
      said << ResultAnnouncement(readings).section(u' ', 2);
    }
    QCOMPARE(said, Expected().spinsLeft);
  }

  // Game History's words and its numbers in the locale's style.
  void gameHistory() {
    const QString ini =
        QStringLiteral(
            "[Settings]\r\nCredits=996.25\r\n[Game History]\r\nPlay1=%1\r\n"
            "[Game Statistics]\r\nPaidSpins=1\r\nMoneyWagered=6.25\r\nWonOnLines=2.50\r\n"
            "SpinsByCoins=25:1\r\n[Game Chart]\r\nPoint1=1, 1, 996.25, 6.25, 2.50, none\r\n")
            .arg(QString::fromStdString(PlayText(PaidPlayOf25Coins())));
    FormFixture fixture(ini);
    QStringList shown;
    QStringList cut;
    QString played;
    fixture.Item("GameHistory1")->trigger();
    // Beside the machine, not modal: the window is open once the item returns.
    auto* window = fixture.Form().findChild<GameHistoryWindow*>();
    QVERIFY(window != nullptr && window->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(window));
    {
      cut = CutTexts(window);
      // The plays fit the window's width: no column scrolled out of sight.
      QScrollBar* across = window->findChild<QScrollArea*>("Plays")->horizontalScrollBar();
      if (across->maximum() > 0)
        cut << QStringLiteral("plays %1 px too wide").arg(across->maximum());
      shown << window->windowTitle() << Label(window, "Play1Win") << Label(window, "ReturnSoFar");
      played = Label(window, "Play1Time");
      window->CreditsChart->SetCursor(0);
      shown << window->Tabs->tabText(1) << window->CreditsChart->CursorText();
      for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (label->text() == Expected().historyHeading) shown << QStringLiteral("heading");
        if (label->text() == Expected().historyChance) shown << QStringLiteral("chance");
      }
      // On the reviewers' 1600 x 1000 screen, at scale 1 or 2, wholly on it.
      if (!window->screen()->availableGeometry().contains(window->frameGeometry()))
        cut << QStringLiteral("the window is off its screen");
    }
    window->close();
    QCOMPARE(shown,
             (QStringList{Expected().historyTitle, Expected().historyWin, Expected().historyReturn,
                          Expected().historyCharts, Expected().historyPoint, "heading", "chance"}));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
    // A play's date in the style of a saved game's ("08.12.26"), digit for digit.
    QString dateStyle = QStringLiteral("^");
    for (const QChar c : Expected().savedDate)
      dateStyle += c.isDigit() ? QStringLiteral("\\d") : QRegularExpression::escape(QString(c));
    QVERIFY2(QRegularExpression(dateStyle + '\n').match(played).hasMatch(), qPrintable(played));
  }

  // The manual in the player's language, when the game speaks it.
  void helpWindow() {
    FormFixture fixture;
    for (const char* page : {"VOLTA", "CATALOG"}) {
      for (const char* language : {"", ".de", ".fr"}) {
        const QString name = QStringLiteral("%1%2.HLP").arg(page, language);
        QFile::remove(fixture.Program().File(name));
        QVERIFY(QFile::copy(kRuntimeDir + name, fixture.Program().File(name)));
      }
    }
    fixture.Item("Manual1")->trigger();
    HelpWindow* help = Probe(fixture.Form()).Help().Browser();
    QVERIFY(help != nullptr);
    QCOMPARE(help->windowTitle(), Expected().helpTitle);
    const QString language = Expected().language;
    QCOMPARE(help->Page()->source().fileName(),
             language.isEmpty() ? QStringLiteral("VOLTA.HLP") : "VOLTA." + language + ".HLP");
    QCOMPARE(help->Page()->document()->metaInformation(QTextDocument::DocumentTitle),
             Expected().helpHeading);
    help->close();
  }

  // The song dialog names an empty row in the player's language; taking the
  // dialog with OK leaves the file's own name for it.
  void songDialogNamesEmptyRows() {
    FormFixture fixture;
    QString shown;
    QTimer::singleShot(0, &fixture.Form(), [&shown] {
      auto* dialog = qobject_cast<TMusicForm*>(QApplication::activeModalWidget());
      if (dialog == nullptr) return;
      shown = dialog->SongChecks[3]->text();
      dialog->BitBtn1->click();
    });
    fixture.Item("ChangeSongs1")->trigger();
    QCOMPARE(shown, Expected().emptySong);
    QCOMPARE(Probe(fixture.Form()).CurrentSettings().MIDIName[3], std::string("MIDI Song #4"));
  }

  // A slot saved before the game spoke any language but English: the date
  // it stored month first reads in the locale's order, and opening the
  // dialog leaves the file as it was.
  void savedGameFromBefore() {
    const QByteArray ini =
        "[Saved Game 1]\r\nName=Evening\r\nSpins=25\r\nDate=12/08/26\r\nCredits=1234.56\r\n"
        "Borrowed=1000.00\r\nBonusPool=61.25\r\nPowerPts=40\r\n";
    FormFixture fixture(QString::fromLatin1(ini));
    QStringList shown;
    QStringList cut;
    WhenShown<TLoadSave>(&fixture.Form(), [&](TLoadSave* dialog) {
      cut = CutTexts(dialog);
      shown << dialog->Panel(1).date->text() << dialog->Panel(1).credits->text();
    });
    fixture.Item("Open1")->trigger();
    QCOMPARE(shown, (QStringList{Expected().savedDate, Expected().savedCredits}));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(" | ")));
    QCOMPARE(SectionValue(fixture.SettingsPath(), "Saved Game 1", "Date"),
             QStringLiteral("12/08/26"));
  }
};

// A 1600 x 1000 screen, where Game History must open wholly and show every
// column at scale 1 and at 2.
void UseLanguageScreen() {
  static QTemporaryDir folder;
  QFile config(folder.filePath(QStringLiteral("screen.json")));
  if (!config.open(QIODevice::WriteOnly) ||
      config.write(R"({"windowFrameMargins":false,"screens":[{"name":"1600x1000","x":0,"y":0,)"
                   R"("width":1600,"height":1000,"logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})") <
          0)
    qFatal("cannot write the test screen's configuration");
  config.close();
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
}

QT_TEST_CLASS_WITH(LanguageTest, UseLanguageScreen, nullptr);
#include "LanguageTest.moc"
