// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameSession.h"

#include <QTimer>

#include "PlanPlayer.h"
#include "Profile.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"
#include "SettingsLock.h"

namespace {

std::int64_t PlaysOf(const GameState& game) {
  return game.Statistics.paidSpins + game.Statistics.freeSpins;
}

// Coins placed with "Bet 1" are written this long after the first of them.
constexpr int KeepCoinsDelay = 1000;

}  // namespace

GameSession::GameSession(Settings& settings, RandomSource& random, std::string settingsPath,
                         Host host, QObject* parent)
    : QObject(parent),
      settings_(settings),
      settingsPath_(std::move(settingsPath)),
      host_(std::move(host)),
      machine_(std::make_unique<Machine>(settings_, clock_, random)) {
  KeepTimer = new QTimer(this);
  KeepTimer->setObjectName(QStringLiteral("KeepTimer"));
  KeepTimer->setInterval(KeepCoinsDelay);
  KeepTimer->setSingleShot(true);
  connect(KeepTimer, &QTimer::timeout, this, &GameSession::WriteKeptGame);
}

GameSession::~GameSession() = default;

void GameSession::ShowOn(FaceView& face, ControlsView& controls, std::function<void()> ended) {
  player_ = std::make_unique<PlanPlayer>(shown_, face, controls, std::move(ended), this);
}

bool GameSession::ReadSettingsFile() {
  bool maxed = false;
  GameState loaded = machine_->State();
  LoadSettingsFile(settingsPath_, loaded, settings_, maxed, &records_);
  machine_->RestoreGame(loaded);
  shown_ = machine_->State();
  // Something that is no settings file stands in its place: the player
  // hears it now, not at the close. The box waits for the event loop, so the
  // window shows first.
  if (SettingsPathRefused(settingsPath_)) {
    lastWriteFailure_ = UnableToWriteMessage(settingsPath_);
    writeFailure_ = lastWriteFailure_;
    host_.showKept(false);
    QTimer::singleShot(0, this, [this] { ReportWriteFailure(); });
  }
  // The very first run starts the first game; later runs go on with the
  // game the file holds.
  playsRecorded_ = PlaysOf(State());
  if (records_.Empty()) StartRecordedGame({});
  return maxed;
}

void GameSession::RestoreGame(const GameState& game) {
  machine_->RestoreGame(game);
  playsRecorded_ = PlaysOf(State());
  ShowGameAtRest();
}

void GameSession::ShowGameAtRest() {
  if (!player_->Playing()) shown_ = machine_->State();
}

const GameState& GameSession::AtRest() const {
  return player_->Playing() ? beforePlan_ : machine_->State();
}

void GameSession::Play(Plan plan) {
  // The face shows the game at rest until a plan starts.
  if (!player_->Playing()) beforePlan_ = shown_;
  ShowGameAtRest();
  playingSpin_ = plan.spins;
  player_->Play(std::move(plan));
}

bool GameSession::Hurry() { return player_->Hurry(); }

void GameSession::DropPlan() {
  if (!player_->Playing()) return;
  const bool spinShown = player_->SpinShown();
  player_->Stop();
  machine_->DropPlan(spinShown);
}

bool GameSession::RestAfterPlan() {
  ShowGameAtRest();
  const bool spin = playingSpin_;
  playingSpin_ = false;
  return spin;
}

void GameSession::KeepGame(const GameState& game) {
  keptGame_ = game;
  WriteKeptGame();
}

void GameSession::KeepGameSoon(const GameState& game) {
  keptGame_ = game;
  if (!KeepTimer->isActive()) KeepTimer->start();
}

void GameSession::ForgetKeptGame() {
  KeepTimer->stop();
  keptGame_.reset();
}

std::optional<std::string> GameSession::WriteSettingsFile(const GameState& game) {
  // The file code reads and writes through one key table; it writes from a
  // copy, so the game in play has no writer but the machine.
  RecordSettledPlays(game);
  RecordTimeInView();
  return SaveSettingsFile(settingsPath_, GameToStore(game), settings_, host_.maximized(),
                          &records_);
}

void GameSession::StartRecordedGame(const std::string& slotName) {
  playsRecorded_ = PlaysOf(State());
  records_.StartGame(slotName, State().Credits, clock_.UnixTime());
}

void GameSession::ResetRecords() {
  RecordTimeInView();
  records_.Reset(State().Credits, clock_.UnixTime());
  playsRecorded_ = PlaysOf(State());
}

void GameSession::SetInView(bool inView) {
  if (inView == inView_.isValid()) return;
  RecordTimeInView();
  if (inView)
    inView_.start();
  else
    inView_.invalidate();
}

void GameSession::RecordSettledPlays(const GameState& game) {
  // A game's plays only grow until it is left, and the records are told
  // when one starts; its last ten plays are at hand. A game written late
  // with fewer plays gives nothing, so no play is counted twice.
  const std::int64_t plays = PlaysOf(game);
  if (plays <= playsRecorded_) return;
  const auto& history = game.History.Plays();
  const std::int64_t fresh =
      std::min<std::int64_t>(plays - playsRecorded_, static_cast<std::int64_t>(history.size()));
  for (std::int64_t n = fresh; n > 0; --n)
    records_.AddPlay(history[static_cast<std::size_t>(n - 1)]);
  playsRecorded_ = plays;
}

void GameSession::RecordTimeInView() {
  if (inView_.isValid()) unrecordedViewMs_ += inView_.restart();
  records_.AddTime(unrecordedViewMs_ / 1000, clock_.UnixTime());
  unrecordedViewMs_ %= 1000;
}

void GameSession::WriteKeptGame() {
  KeepTimer->stop();
  if (!keptGame_) return;
  const GameState game = std::move(*keptGame_);
  keptGame_.reset();
  NoteWrite(WriteSettingsFile(game));
}

void GameSession::NoteWrite(std::optional<std::string> error) {
  if (!error) {
    // Kept again: the window says so, and the next failure is told anew.
    if (lastWriteFailure_) {
      lastWriteFailure_.reset();
      host_.showKept(true);
    }
    return;
  }
  // From the first failure until a write succeeds the window says the game
  // is not being kept; the box comes again only when the cause changes.
  host_.showKept(false);
  if (error == lastWriteFailure_) return;
  lastWriteFailure_ = error;
  writeFailure_ = std::move(error);
  ReportWriteFailure();
}

void GameSession::ReportWriteFailure() {
  // A box in the middle of a spin would stand over its wheels; it waits for
  // the end.
  if (!writeFailure_ || player_->Playing()) return;
  const std::string text = std::move(*writeFailure_);
  writeFailure_.reset();
  host_.inform(QString::fromStdString(text));
}
