// SPDX-License-Identifier: GPL-3.0-or-later
#include "Slot.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <cstdio>

#include "ButtonPanel.h"
#include "CloseOnSignal.h"
#include "DialogLook.h"
#include "FaceLayout.h"
#include "FileReplace.h"
#include "Fonts.h"
#include "GameHistoryWindow.h"
#include "GameSession.h"
#include "MachineFace.h"
#include "MainMenus.h"
#include "Music.h"
#include "MusicPlaylist.h"
#include "Palette.h"
#include "Paychart.h"
#include "SdlMusicPlayer.h"
#include "SoundPlayer.h"
#include "SymbolArt.h"
#include "WindowBackground.h"
#include "WindowSize.h"

TForm1::TForm1(SlotEnvironment environment, QWidget* parent, const FaceWatch& watchFace)
    : QMainWindow(parent),
      environment_(std::move(environment)),
      settings_(DefaultSettings(environment_.programDir.toStdString())),
      sounds_(std::make_unique<SoundPlayer>(settings_)),
      help_(environment_.programDir,
            [this](const QString& text) { environment_.dialogs.warning(this, text); }) {
  session_ = std::make_unique<GameSession>(settings_, *environment_.random,
                                           environment_.settingsPath.toStdString(),
                                           static_cast<SessionView&>(*this), this);
  CreateComponents();
  if (watchFace) faceWatcher_ = watchFace(*face_);
  FaceView& face = faceWatcher_ ? *faceWatcher_ : static_cast<FaceView&>(*face_);
  session_->ShowOn(face, static_cast<ControlsView&>(*this));
  FormCreate();
  // The first sizing chooses the art and installs the strips; a maximized
  // start gives a second one when the window is shown.
  FormResize();
  client_->installEventFilter(this);
  face_->installEventFilter(this);
}

TForm1::~TForm1() {
  qApp->removeEventFilter(&help_);
  // The face reads the session's game; it goes before the session does.
  delete client_;
}

void TForm1::CreateComponents() {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(ProductTitle));
  setProperty(HelpContextProperty, MainHelpContext);
  QFont mainFont = ClassicFont(QStringLiteral("MS Sans Serif"));
  mainFont.setPixelSize(13);
  setFont(mainFont);

  client_ = new QWidget(this);
  client_->setObjectName(QStringLiteral("ClientArea"));
  setCentralWidget(client_);
  size_ = std::make_unique<WindowSize>(*this, *client_, [this] { FormResize(); });
  // The face paints the game as the player sees it: the idle game, or the
  // step of the plan in play.
  face_ = new MachineFace(session_->Shown(), client_);
  face_->setObjectName(QStringLiteral("MachineFace"));

  menus_ = std::make_unique<MainMenus>(*this, *this, settings_);
  panel_ =
      std::make_unique<ButtonPanel>(*client_, *face_,
                                    ButtonPanel::Clicks{.bet1 = [this] { BitBtn1Click(); },
                                                        .betMax = [this] { BitBtn2Click(); },
                                                        .payoffChart = [this] { BitBtn3Click(); },
                                                        .spin = [this] { Button1Click(); }});
  // The background picture dialog starts in the program's folder.
  background_ = std::make_unique<WindowBackground>(
      settings_, environment_.dialogs, *this, *face_,
      [this](bool tiled) { menus_->SetBackgroundMarks(tiled); }, environment_.programDir);
  CreateTimers();
  CreateMusic();
  size_->PlaceAtStart();
  qApp->installEventFilter(&help_);
}

void TForm1::CreateTimers() {
  Timer2 = new QTimer(this);
  Timer2->setObjectName(QStringLiteral("Timer2"));
  Timer2->setInterval(timings::MusicStartDelay);
  Timer2->setSingleShot(true);
  connect(Timer2, &QTimer::timeout, this, &TForm1::Timer2Timer);

  Timer3 = new QTimer(this);
  Timer3->setObjectName(QStringLiteral("Timer3"));
  Timer3->setInterval(timings::BlinkInterval);
  connect(Timer3, &QTimer::timeout, this, &TForm1::Timer3Timer);
}

void TForm1::CreateMusic() {
  mediaPlayer1_ = std::make_unique<SdlMusicPlayer>();
  MusicPlaylistHost host;
  host.setOnMark = [this](bool on) { menus_->SetMusicMark(on); };
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
  const bool maxed = session_->ReadSettingsFile();
  setWindowState(maxed ? Qt::WindowMaximized : Qt::WindowNoState);

  const std::string programDir = environment_.programDir.toStdString();
  const Settings defaults = DefaultSettings(programDir);
  for (std::string Settings::*path :
       {&Settings::WinSound, &Settings::LoseSound, &Settings::PowerUpSound,
        &Settings::PowerDownSound, &Settings::BonusSound})
    if (!FileExists(settings_.*path)) settings_.*path = defaults.*path;

  menus_->ShowSoundSwitchMarks();
  menus_->SetMusicMark(settings_.MusicOn);

  background_->ChooseAtStartup();
  session_->ResumeLoadedGame();
  // Between the free spins of a resumed round the game may not be left.
  SetGameCommandsEnabled(true);
  background_->UpdateFace();
}

void TForm1::FormResize() {
  size_->NoteLaidOut();
  const QSize client = client_->size();
  face_->setGeometry(0, 0, client.width(), std::max(0, client.height() - PanelHeight));
  panel_->PlaceAt(client);
  const int symbolSize = ArtSizeFor(client, face_->SymbolSize());
  // The art is read again only for a new size, or after a failed read.
  const bool newArt = symbolSize != face_->SymbolSize() || face_->SymbolArt().isNull();
  face_->SetSymbolSize(symbolSize);
  // The strips do not depend on the art, so a missing art file never leaves
  // the wheels without strips to spin.
  session_->PutStripsOnWheels();
  const auto error = newArt ? face_->LoadSymbolArt(environment_.programDir) : std::nullopt;
  panel_->PlaceButtons();
  if (error) environment_.dialogs.warning(this, *error);
  face_->RepaintMachine();
}

void TForm1::Exit1Click() { close(); }

void TForm1::FullScreen1Click() { size_->ToggleFullScreen(); }

void TForm1::closeEvent(QCloseEvent* event) {
  session_->EndPlay();
  Timer2->stop();
  Timer3->stop();
  FormClose();
  if (help_.Browser() != nullptr) help_.Browser()->close();
  if (history_ != nullptr) history_->close();
  event->accept();
}

void TForm1::SaveGameAtExit() {
  if (const auto error = session_->SaveAtExit()) std::fprintf(stderr, "%s\n", error->c_str());
}

bool TForm1::CloseUnattended() {
  unattended_ = true;
  closeWriteFailed_ = false;
  CloseAllWindows(*this);
  return !closeWriteFailed_;
}

void TForm1::FormClose() {
  const auto error = session_->WriteSettingsFile();
  closeWriteFailed_ = error.has_value();
  if (!error) return;
  if (unattended_)
    std::fprintf(stderr, "%s\n", error->c_str());
  else
    Inform(QString::fromStdString(*error));
}

void TForm1::ShowSaved(bool saved) {
  // From the first failed write until one succeeds the title says the game
  // is not being saved.
  if (saved)
    setWindowTitle(QString::fromUtf8(ProductTitle));
  else
    setWindowTitle(tr("%1 (not saved)").arg(QString::fromUtf8(ProductTitle)));
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
  if (watched == client_ && event->type() == QEvent::Resize) size_->SizeChanged();
  if (watched == face_ && event->type() == QEvent::MouseButtonPress) {
    const FaceLayout& f = face_->Layout();
    const QRect wheels(f.ReelLeft, f.ReelTop, 3 * f.SymbolSize + 18, 3 * f.SymbolSize);
    if (wheels.contains(static_cast<QMouseEvent*>(event)->position().toPoint())) HurryPlan();
  }
  return QMainWindow::eventFilter(watched, event);
}

void TForm1::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  // A size that came before its state is the window's own now.
  if (event->type() == QEvent::WindowStateChange) size_->SizeChanged();
}

bool TForm1::event(QEvent* event) {
  // Time played counts while the window is shown and not minimised.
  const QEvent::Type type = event->type();
  if (session_ &&
      (type == QEvent::Show || type == QEvent::Hide || type == QEvent::WindowStateChange))
    session_->SetInView(isVisible() && !isMinimized());
  // While a plan plays, S is not the grey Spin button's shortcut but a key
  // that hurries: taken as a plain key press, it comes to keyPressEvent.
  if (event->type() == QEvent::ShortcutOverride && session_->Playing() &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_S &&
      !(static_cast<QKeyEvent*>(event)->modifiers() & Qt::ControlModifier) &&
      !panel_->SpinEnabled()) {
    event->accept();
    return true;
  }
  return QMainWindow::event(event);
}

void TForm1::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Escape && size_->LeaveFullScreen()) return;
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  // The buttons are off while the wheels turn, so their keys come here;
  // Ctrl+S is Save's, held off while they turn.
  const bool plainS = key == Qt::Key_S && !(event->modifiers() & Qt::ControlModifier);
  if ((enter || plainS || key == Qt::Key_Space) && HurryPlan()) return;
  if (enter) {
    panel_->PressDefault();
    return;
  }
  QMainWindow::keyPressEvent(event);
}
