// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameSession.h"

#include <QCoreApplication>
#include <QTimer>

#include "Money.h"
#include "PlanPlayer.h"
#include "Profile.h"
#include "ReadableNumbers.h"
#include "SettingsFile.h"
#include "SettingsKeys.h"
#include "SettingsLock.h"
#include "Slots.h"
#include "Timings.h"

namespace {

std::int64_t PlaysOf(const GameState& game) {
  return game.Statistics.paidSpins + game.Statistics.freeSpins;
}

// Coins placed with "Bet 1" are written this long after the first of them.
constexpr int SaveCoinsDelay = 1000;

}  // namespace

GameSession::GameSession(Settings& settings, RandomSource& random, std::string settingsPath,
                         SessionView& view, QObject* parent)
    : QObject(parent),
      settings_(settings),
      settingsPath_(std::move(settingsPath)),
      view_(view),
      machine_(std::make_unique<Machine>(settings_, clock_, random)) {
  // Tests find the session and its timers by their object names.
  setObjectName(QStringLiteral("GameSession"));
  Timer1 = new QTimer(this);
  Timer1->setObjectName(QStringLiteral("Timer1"));
  Timer1->setInterval(timings::AutoSpinInterval);
  connect(Timer1, &QTimer::timeout, this, &GameSession::AutoSpinTick);

  SaveTimer = new QTimer(this);
  SaveTimer->setObjectName(QStringLiteral("SaveTimer"));
  SaveTimer->setInterval(SaveCoinsDelay);
  SaveTimer->setSingleShot(true);
  connect(SaveTimer, &QTimer::timeout, this, &GameSession::WritePendingGame);
}

GameSession::~GameSession() {
  if (player_) player_->Stop();
}

void GameSession::ShowOn(FaceView& face, ControlsView& controls) {
  player_ = std::make_unique<PlanPlayer>(
      shown_, face, controls, [this] { PlanEnded(); },
      // A spin's settled game is written before its wheels turn.
      [this](const GameState& settled) { SaveGame(settled); }, this);
}

const GameState& GameSession::AtRest() const { return Playing() ? beforePlan_ : State(); }

bool GameSession::Playing() const { return player_->Playing(); }

bool GameSession::ReadSettingsFile() {
  bool maxed = false;
  GameState loaded = machine_->State();
  LoadSettingsFile(settingsPath_, loaded, settings_, maxed, &records_);
  machine_->RestoreGame(loaded);
  shown_ = machine_->State();
  // Something that is no settings file stands in its place: the player
  // hears it now, not when the window closes. The box waits for the event
  // loop, so the window shows first.
  if (SettingsPathRefused(settingsPath_)) {
    lastWriteFailure_ = UnableToWriteMessage(settingsPath_);
    writeFailure_ = lastWriteFailure_;
    view_.ShowSaved(false);
    QTimer::singleShot(0, this, [this] { ReportWriteFailure(); });
  }
  // The very first run starts the first game; later runs go on with the
  // game the file holds.
  playsRecorded_ = PlaysOf(State());
  if (records_.Empty()) StartRecordedGame({});
  return maxed;
}

void GameSession::ResumeLoadedGame() {
  // A speed that is none of the three leaves Fast in force, as the rules
  // start.
  if (settings_.Speed <= 2)
    Show(machine_->SelectSpeed(settings_.Speed));
  else
    view_.ShowSpeedMark(0);
  Show(machine_->ApplyLoadedBet());
  Show(machine_->ResumeGame());
  ShowIdleGame();
}

void GameSession::RestoreGame(const GameState& game) {
  machine_->RestoreGame(game);
  playsRecorded_ = PlaysOf(State());
  ShowIdleGame();
}

void GameSession::PutStripsOnWheels() {
  machine_->PutStripsOnWheels();
  ShowIdleGame();
}

void GameSession::Bet1() { ShowCommand(machine_->Bet1()); }

void GameSession::BetMax() { ShowCommand(machine_->BetMax()); }

void GameSession::Spin() { ShowCommand(machine_->Spin()); }

void GameSession::AutoSpinTick() { ShowCommand(machine_->AutoSpinTick()); }

bool GameSession::Hurry() { return player_->Hurry(); }

void GameSession::ToggleAutoSpin() { Show(machine_->ToggleAutoSpin()); }

void GameSession::SelectSpeed(int speed) { Show(machine_->SelectSpeed(speed)); }

bool GameSession::ChooseCoinValue(int row) {
  // A change before the first paid spin is refused quietly and leaves every
  // mark as it was.
  CommandResult result = machine_->ChooseCoinValue(row);
  const bool done = result.done;
  if (done) {
    Show(std::move(result));
    ShowIdleGame();
    view_.RepaintFace();
  }
  CommandShown();
  return done;
}

bool GameSession::NewGame() {
  const bool done = ShowNewGame(machine_->NewGame(), {});
  if (done) view_.RepaintFace();
  CommandShown();
  return done;
}

bool GameSession::OpenGame(const SlotRecord& slot) {
  // A game opened from a slot goes by the slot's name in the records.
  return ShowNewGame(machine_->OpenGame(SnapshotOf(slot)), slot.Saved ? slot.Name : std::string());
}

bool GameSession::ShowNewGame(CommandResult result, const std::string& slotName) {
  if (!result.done) return false;
  StartRecordedGame(slotName);
  Show(std::move(result));
  ShowIdleGame();
  return true;
}

MoneyMove GameSession::Borrow(double amount) { return ShowMoneyMove(machine_->Borrow(amount)); }

MoneyMove GameSession::PayBack(double amount) { return ShowMoneyMove(machine_->PayBack(amount)); }

MoneyMove GameSession::ShowMoneyMove(CommandResult result) {
  const MoneyMove move = result.money;
  Show(std::move(result));
  ShowIdleGame();
  return move;
}

void GameSession::Show(CommandResult result) {
  if (result.autoSpinMark) view_.ShowAutoSpinMark(*result.autoSpinMark);
  if (result.coinValueMark) view_.ShowCoinValueMark(*result.coinValueMark);
  if (result.speedMark) view_.ShowSpeedMark(*result.speedMark);
  if (result.autoSpinTicks) {
    if (*result.autoSpinTicks)
      Timer1->start();
    else
      Timer1->stop();
  }
  if (result.save == SaveWhen::Now) SaveGame(State());
  if (result.save == SaveWhen::Soon) SaveGameSoon(State());
  if (!result.plan.Empty()) Play(std::move(result.plan));
  if (!result.message.empty()) ShowMessage(result.message, result.messageAmount);
}

void GameSession::CatchUp() { CommandShown(); }

void GameSession::ShowCommand(CommandResult result) {
  Show(std::move(result));
  CommandShown();
}

void GameSession::CommandShown() {
  ShowIdleGame();
  if (!Playing()) view_.ShowIdleGame(State());
  ReportWriteFailure();
}

void GameSession::ShowMessage(const std::string& text, std::optional<double> amount) {
  QString message = QCoreApplication::translate("Machine", text.c_str());
  if (amount) message = message.arg(AmountText(money::ToCents(*amount)));
  view_.Inform(message);
}

void GameSession::ShowIdleGame() {
  if (!Playing()) shown_ = State();
}

void GameSession::Play(Plan plan) {
  // The face shows the idle game until a plan starts.
  if (!Playing()) beforePlan_ = shown_;
  ShowIdleGame();
  playingSpin_ = plan.spins;
  player_->Play(std::move(plan));
}

void GameSession::PlanEnded() {
  Show(machine_->PlanEnded());
  ShowIdleGame();
  const bool spun = playingSpin_;
  playingSpin_ = false;
  // A screen reader hears how the spin came out once it has settled.
  if (spun) view_.ShowSpinSettled();
  if (!Playing()) view_.ShowIdleGame(State());
  ReportWriteFailure();
}

void GameSession::DropPlan() {
  if (!Playing()) return;
  const bool spinShown = player_->SpinShown();
  player_->Stop();
  machine_->DropPlan(spinShown);
}

void GameSession::EndPlay() {
  // The rest of a plan in play is not shown: the game is written as it
  // settled, or as it was before a bet whose spin the player never saw.
  DropPlan();
  Show(machine_->StopAutoSpin());
  // The whole game is written next; nothing saved earlier is left to write.
  SaveTimer->stop();
  pendingSave_.reset();
  // Coins placed but not spun are not written as a wager: they go back to
  // the credits that are.
  machine_->ReturnWager();
  ShowIdleGame();
}

std::optional<std::string> GameSession::SaveAtExit() {
  // As closing writes it, without a box or a paint; the settings are
  // today's.
  DropPlan();
  machine_->ReturnWager();
  return WriteSettingsFile();
}

std::optional<std::string> GameSession::WriteSettingsFile() { return WriteGame(State()); }

void GameSession::SaveNow() { SaveGame(State()); }

void GameSession::SaveGame(const GameState& game) {
  pendingSave_ = game;
  WritePendingGame();
}

void GameSession::SaveGameSoon(const GameState& game) {
  pendingSave_ = game;
  if (!SaveTimer->isActive()) SaveTimer->start();
}

void GameSession::WritePendingGame() {
  SaveTimer->stop();
  if (!pendingSave_) return;
  const GameState game = std::move(*pendingSave_);
  pendingSave_.reset();
  NoteWrite(WriteGame(game));
}

std::optional<std::string> GameSession::WriteGame(const GameState& game) {
  // The file code reads and writes through one key table; it writes from a
  // copy, so the game in play has no writer but the rules.
  RecordSettledPlays(game);
  RecordTimeInView();
  auto error =
      SaveSettingsFile(settingsPath_, GameToStore(game), settings_, view_.Maximized(), &records_);
  emit Written();
  return error;
}

void GameSession::NoteWrite(std::optional<std::string> error) {
  if (!error) {
    // Saved again: the window says so, and the next failure is told anew.
    if (lastWriteFailure_) {
      lastWriteFailure_.reset();
      view_.ShowSaved(true);
    }
    return;
  }
  // From the first failure until a write succeeds the window says the game
  // is not being saved; the box comes again only when the cause changes.
  view_.ShowSaved(false);
  if (error == lastWriteFailure_) return;
  lastWriteFailure_ = error;
  writeFailure_ = std::move(error);
  ReportWriteFailure();
}

void GameSession::ReportWriteFailure() {
  // A box in the middle of a spin would stand over its wheels; it waits for
  // the end.
  if (!writeFailure_ || Playing()) return;
  const std::string text = std::move(*writeFailure_);
  writeFailure_.reset();
  view_.Inform(QString::fromStdString(text));
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
