// SPDX-License-Identifier: GPL-3.0-or-later
#include "Slot.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cstdio>

#include "CloseOnSignal.h"
#include "DialogLook.h"
#include "FileReplace.h"
#include "MachineFace.h"
#include "Music.h"
#include "MusicPlaylist.h"
#include "Palette.h"
#include "Paychart.h"
#include "PlanPlayer.h"
#include "SdlMusicPlayer.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"
#include "SoundPlayer.h"
#include "SymbolArt.h"
#include "Timings.h"

namespace {

// Coins placed with "Bet 1" are written this long after the first of them.
constexpr int KeepCoinsDelay = 1000;

}  // namespace

TForm1::TForm1(SlotEnvironment environment, QWidget* parent, const FaceWatch& watchFace)
    : QMainWindow(parent),
      environment_(std::move(environment)),
      settings_(DefaultSettings(environment_.programDir.toStdString())),
      sounds_(std::make_unique<SoundPlayer>(settings_)),
      help_(environment_.programDir,
            [this](const QString& text) { environment_.dialogs.warning(this, text); }) {
  CreateComponents();
  if (watchFace) faceWatcher_ = watchFace(*face_);
  FaceView& face = faceWatcher_ ? *faceWatcher_ : static_cast<FaceView&>(*face_);
  machine_ = std::make_unique<Machine>(settings_, clock_, *environment_.random);
  player_ = std::make_unique<PlanPlayer>(
      shown_, face, *this, [this] { PlanEnded(); }, this);
  FormCreate();
  // The first sizing chooses the art and installs the strips; a maximized
  // start gives a second one when the window is shown.
  FormResize();
  client_->installEventFilter(this);
  face_->installEventFilter(this);
}

TForm1::~TForm1() {
  qApp->removeEventFilter(&help_);
  player_->Stop();
  // The face reads the state; it goes before the state does.
  delete client_;
}

void TForm1::CreateComponents() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(ProductTitle));
  setProperty(HelpContextProperty, MainHelpContext);
  QFont mainFont(QStringLiteral("MS Sans Serif"));
  mainFont.setPixelSize(13);
  setFont(mainFont);

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client_);
  // The face paints the game as the player sees it: the game at rest, or the
  // step of the plan in play.
  face_ = new MachineFace(shown_, client_);
  face_->setObjectName(QStringLiteral("MachineFace"));

  CreateMenus();
  CreatePanel();
  CreateTimers();
  CreateMusic();
  PlaceWindow();
  qApp->installEventFilter(&help_);
}

void TForm1::CreateTimers() {
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(timings::AutoSpinInterval);
  connect(Timer1, &QTimer::timeout, this, &TForm1::Timer1Timer);

  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(timings::MusicStartDelay);
  Timer2->setSingleShot(true);
  connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

  Timer3 = new QTimer(this);
  Timer3->setObjectName(QStringLiteral("Timer3"));
  Timer3->setInterval(timings::BlinkInterval);
  connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);

  KeepTimer = new QTimer(this);
  KeepTimer->setObjectName(QStringLiteral("KeepTimer"));
  KeepTimer->setInterval(KeepCoinsDelay);
  KeepTimer->setSingleShot(true);
  connect(KeepTimer, &QTimer::timeout, this, &TForm1::WriteKeptGame);
}

void TForm1::CreateMusic() {
  mediaPlayer1_ = std::make_unique<SdlMusicPlayer>();
  MusicPlaylistHost host;
  host.setOnMark = [this](bool on) { menu_.On2->setChecked(on); };
  host.showWarning = [this](const std::string& text) {
    environment_.dialogs.warning(this, QString::fromStdString(text));
  };
  host.runSongDialog = [this] {
    TMusicForm dialog(settings_, environment_.programDir.toStdString(), this, Services());
    dialog.setProperty(HelpContextProperty, SoundHelpContext);
    dialog.exec();
  };
  music_ = std::make_unique<MusicPlaylist>(settings_, *mediaPlayer1_, std::move(host));
}

void TForm1::FormCreate() {
  setUpdatesEnabled(false);
  // The settings file's place and the program's folder come with the
  // environment; the background picture dialog starts in the program's folder.
  openDialogFolder_ = environment_.programDir;
  help_.SetHelpFile(QStringLiteral("VOLTA.HLP"));
  // The game starts from GameState's own start-up values, and the settings
  // from DefaultSettings (made with the window) until the file is read.
  // The event waves are read once the window has shown itself (the music's
  // start), or as the first sound needs them.
  sounds_->LoadEventWavesLater(environment_.programDir.toStdString());
  // The classic look whatever the desktop theme (see ClassicPalette).
  setPalette(ClassicPalette());
  ApplyLoadedSettings();
  setUpdatesEnabled(true);
  Timer2->start();
  Timer3->start();
}

void TForm1::ApplyLoadedSettings() {
  bool maxed = false;
  GameState loaded = machine_->State();
  LoadSettingsFile(environment_.settingsPath.toStdString(), loaded, settings_, maxed);
  machine_->RestoreGame(loaded);
  shown_ = machine_->State();
  setWindowState(maxed ? Qt::WindowMaximized : Qt::WindowNoState);

  const std::string programDir = environment_.programDir.toStdString();
  const Settings defaults = DefaultSettings(programDir);
  for (std::string Settings::*path :
       {&Settings::WinSound, &Settings::LoseSound, &Settings::PowerUpSound,
        &Settings::PowerDownSound, &Settings::BonusSound})
    if (!FileExists(settings_.*path)) settings_.*path = defaults.*path;

  ShowSoundSwitchMarks();
  menu_.On2->setChecked(settings_.MusicOn);

  ChooseStartupBackground();
  // A speed that is none of the three leaves Fast in force, as the rules
  // start.
  if (settings_.Speed <= 2)
    Show(machine_->SelectSpeed(settings_.Speed));
  else
    SetSpeedMark(0);
  Show(machine_->ApplyLoadedBet());
  Show(machine_->ResumeGame());
  ShowGameAtRest();
  // Between the free spins of a resumed round the game may not be left.
  SetGameCommandsEnabled(true);
  UpdateFaceBackground();
}

void TForm1::ChooseStartupBackground() {
  const bool pictureExists = FileExists(settings_.BackBMP);
  if (!pictureExists) settings_.BackMode = 1;
  SetBackgroundMarks(settings_.BackMode == 0);
  // The picture is loaded even for a solid background, so that "Tiled
  // Bitmap" marks can show it later without a reload.
  if (pictureExists) {
    LoadedBitmap loaded = LoadBitmapFile(QString::fromStdString(settings_.BackBMP));
    if (loaded.ok()) {
      backgroundBitmap_ = std::move(loaded.picture);
      return;
    }
  }
  // A missing or unreadable picture leaves the solid colour.
  settings_.BackMode = 1;
  SetBackgroundMarks(false);
}

void TForm1::Exit1Click() { close(); }

void TForm1::closeEvent(QCloseEvent* event) {
  // The rest of a plan in play is not shown: the game is written as it
  // settled, or as it was before a bet whose spin the player never saw.
  DropPlan();
  Show(machine_->StopAutoSpin());
  // The close writes the game in whole; nothing kept earlier is left to write.
  KeepTimer->stop();
  keptGame_.reset();
  Timer2->stop();
  Timer3->stop();
  // Coins placed but not spun are not written as a wager: they go back to
  // the credits that are.
  machine_->ReturnWager();
  ShowGameAtRest();
  FormClose();
  if (help_.Browser() != nullptr) help_.Browser()->close();
  event->accept();
}

void TForm1::KeepGameAtExit() {
  // As the close writes it, without a box or a paint; the settings are
  // today's.
  DropPlan();
  machine_->ReturnWager();
  if (const auto error = WriteSettingsFile(machine_->State()))
    std::fprintf(stderr, "%s\n", error->c_str());
}

bool TForm1::CloseUnattended() {
  unattended_ = true;
  closeWriteFailed_ = false;
  CloseAllWindows(*this);
  return !closeWriteFailed_;
}

void TForm1::DropPlan() {
  if (!player_->Playing()) return;
  const bool spinShown = player_->SpinShown();
  player_->Stop();
  machine_->DropPlan(spinShown);
}

void TForm1::Show(CommandResult result) {
  if (result.autoSpinMark) menu_.AutoSpin2->setChecked(*result.autoSpinMark);
  if (result.coinValueMark) SetBetAmountMark(*result.coinValueMark);
  if (result.speedMark) SetSpeedMark(*result.speedMark);
  if (result.autoSpinTicks) {
    if (*result.autoSpinTicks)
      Timer1->start();
    else
      Timer1->stop();
  }
  if (result.keep == KeepWhen::Now) KeepGame(machine_->State());
  if (result.keep == KeepWhen::Soon) KeepGameSoon(machine_->State());
  if (!result.plan.Empty()) {
    // The face follows the plan from the game at rest.
    ShowGameAtRest();
    playingSpin_ = result.plan.spins;
    player_->Play(std::move(result.plan));
  }
  if (!result.message.empty()) ShowMessage(result.message, result.messageAmount);
}

void TForm1::PlanEnded() {
  Show(machine_->PlanEnded());
  ShowGameAtRest();
  // A screen reader hears how the spin came out once it has settled.
  if (playingSpin_) face_->AnnounceResult();
  playingSpin_ = false;
  ReportWriteFailure();
}

void TForm1::RestoreGame(const GameState& game) {
  machine_->RestoreGame(game);
  ShowGameAtRest();
}

void TForm1::ShowGameAtRest() {
  if (!player_->Playing()) shown_ = machine_->State();
}

void TForm1::FormClose() {
  // The file code reads and writes through one key table; it writes from a
  // copy, so the game in play has no writer but the machine.
  const auto error = WriteSettingsFile(machine_->State());
  closeWriteFailed_ = error.has_value();
  if (!error) return;
  if (unattended_)
    std::fprintf(stderr, "%s\n", error->c_str());
  else
    Inform(QString::fromStdString(*error));
}

std::optional<std::string> TForm1::WriteSettingsFile(const GameState& game) {
  return SaveSettingsFile(environment_.settingsPath.toStdString(), GameToStore(game), settings_,
                          isMaximized());
}

void TForm1::KeepGame(const GameState& game) {
  keptGame_ = game;
  WriteKeptGame();
}

void TForm1::KeepGameSoon(const GameState& game) {
  keptGame_ = game;
  if (!KeepTimer->isActive()) KeepTimer->start();
}

void TForm1::WriteKeptGame() {
  KeepTimer->stop();
  if (!keptGame_) return;
  const GameState game = std::move(*keptGame_);
  keptGame_.reset();
  NoteWrite(WriteSettingsFile(game));
}

void TForm1::NoteWrite(std::optional<std::string> error) {
  if (!error) {
    // Kept again: the title says so, and the next failure is told anew.
    if (lastWriteFailure_) {
      lastWriteFailure_.reset();
      setWindowTitle(QString::fromUtf8(ProductTitle));
    }
    return;
  }
  // From the first failure until a write succeeds the title says the game is
  // not being kept; the box comes again only when the cause changes.
  setWindowTitle(tr("%1 (not saved)").arg(QString::fromUtf8(ProductTitle)));
  if (error == lastWriteFailure_) return;
  lastWriteFailure_ = error;
  writeFailure_ = std::move(error);
  ReportWriteFailure();
}

void TForm1::ReportWriteFailure() {
  // A box in the middle of a spin would stand over its wheels; it waits for
  // the end.
  if (!writeFailure_ || player_->Playing()) return;
  const std::string text = std::move(*writeFailure_);
  writeFailure_.reset();
  Inform(QString::fromStdString(text));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) {
    ResizeIfOwnSize();
    KeepFixedBorder();
  }
  if (watched == face_ && event->type() == QEvent::MouseButtonPress) {
    const FaceLayout& f = face_->Layout();
    const QRect wheels(f.ReelLeft, f.ReelTop, 3 * f.SymbolSize + 18, 3 * f.SymbolSize);
    if (wheels.contains(static_cast<QMouseEvent*>(event)->position().toPoint())) HurryPlan();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) {
    // A size that came before its state is the window's own now.
    ResizeIfOwnSize();
    KeepFixedBorder();
  }
}

bool TForm1::InNormalState() const {
  return isVisible() &&
         !(windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized));
}

bool TForm1::IsStraySize() const { return InNormalState() && client_->size() != normalClientSize_; }

void TForm1::ResizeIfOwnSize() {
  // A size the normal window passes through (a drag, the steps of a window
  // manager's animation) is never laid out or painted: it snaps back.
  if (client_->size() != lastClientSize_ && !IsStraySize()) FormResize();
}

void TForm1::KeepFixedBorder() {
  // The border is fixed: only maximizing changes the size of the client
  // area, so a size dragged by hand goes back to the normal one.
  if (!IsStraySize()) return;
  // The check waits a moment: a window manager that maximizes may report
  // the new size before the new state.
  QTimer::singleShot(250, this, [this] {
    if (IsStraySize()) resize(size() - client_->size() + normalClientSize_);
  });
}

bool TForm1::event(QEvent* event) {
  // While a plan plays, S is not the grey Spin button's shortcut but a key
  // that hurries: taken as a plain key press, it comes to keyPressEvent.
  if (event->type() == QEvent::ShortcutOverride && player_->Playing() &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_S && !Button1->isEnabled()) {
    event->accept();
    return true;
  }
  return QMainWindow::event(event);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  // The buttons are off while the wheels turn, so their keys come here.
  if ((enter || key == Qt::Key_S || key == Qt::Key_Space) && HurryPlan()) return;
  if (enter) {
    PressDefaultButton();
    return;
  }
  QMainWindow::keyPressEvent(event);
}
