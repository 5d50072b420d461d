// SPDX-License-Identifier: GPL-3.0-or-later
#include "DamagedProgram.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <random>

namespace {

void WriteText(const QString& path, const QString& text) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
}

// Keeps the magic and the size fields that every loader reads first.
constexpr qsizetype KeptHeaderBytes = 12;

}  // namespace

QString DamageName(Damage damage) {
  switch (damage) {
    case Damage::Missing:
      return QStringLiteral("missing");
    case Damage::Empty:
      return QStringLiteral("empty");
    case Damage::Corrupt:
      return QStringLiteral("corrupt");
  }
  return {};
}

const QStringList& DamagedProgram::AssetNames() {
  static const QStringList names = [] {
    QStringList list{"volta96.bmp", "volta144.bmp", "volta192.bmp",
                     "BKGRND1.BMP", "VOLTA.HLP",    "CATALOG.HLP"};
    for (int n = 0; n <= 8; ++n) list << QStringLiteral("VOLTA%1.WAV").arg(n);
    for (int n = 0; n <= 2; ++n) list << QStringLiteral("VOLTA%1.MID").arg(n);
    return list;
  }();
  return names;
}

DamagedProgram::DamagedProgram() {
  const QDir built(QStringLiteral(VOLTARO_RUNTIME_DIR));
  for (const QString& name : AssetNames()) QFile::copy(built.filePath(name), File(name));
}

void DamagedProgram::Spoil(const QString& name, Damage damage) {
  const QString path = File(name);
  QFile file(path);
  switch (damage) {
    case Damage::Missing:
      file.remove();
      return;
    case Damage::Empty:
      file.open(QIODevice::WriteOnly | QIODevice::Truncate);
      return;
    case Damage::Corrupt: {
      file.open(QIODevice::ReadOnly);
      QByteArray bytes = file.readAll();
      file.close();
      // Seeded by the name, so a failure repeats on every run.
      std::mt19937 junk(static_cast<std::uint32_t>(qHash(name)));
      for (qsizetype i = KeptHeaderBytes; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>(junk() & 0xFF);
      file.open(QIODevice::WriteOnly | QIODevice::Truncate);
      file.write(bytes);
      return;
    }
  }
}

DamagedGame::DamagedGame(DamagedProgram& program, const QString& ini)
    : DamagedGame(program, ini, QString()) {}

DamagedGame::DamagedGame(DamagedProgram& program, const QString& ini, const QString& settingsPath)
    : settingsPath_(settingsPath.isEmpty() ? settingsDir_.path() + "/VOLTA.INI" : settingsPath) {
  if (!ini.isEmpty()) WriteText(settingsPath_, ini);
  SlotEnvironment environment;
  environment.programDir = program.Path();
  environment.settingsPath = settingsPath_;
  auto stops = std::make_unique<ScriptedStops>();
  stops_ = stops.get();
  environment.random = std::move(stops);
  environment.dialogs = script_.Dialogs();
  form_ = std::make_unique<TForm1>(std::move(environment));
}

DamagedGame::~DamagedGame() = default;

void DamagedGame::PlaySmallWin(bool hurried) {
  form_->BitBtn1Click();
  stops_->NextStops(0, 4, 0);
  form_->Button1Click();
  if (hurried)
    HurryOut(*form_);
  else
    PlayOut(*form_);
}

void ExpectSmallWinPaid(DamagedGame& game) {
  const GameState& state = Probe(game.Form()).State();
  QCOMPARE(state.Spins, 1);
  QCOMPARE(state.Credits, 1000.25);
  QCOMPARE(state.Wager, 0.0);
  QCOMPARE(state.LastBet, 0.25);
  QCOMPARE(state.PowerPts, 10);
  QVERIFY(WindowButton(game.Form(), "Button1")->isEnabled());
}
