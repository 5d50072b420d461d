// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppFixture.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTextStream>
#include <QtTest>

#include "OffscreenScreens.h"
#include "PlanPlayer.h"

namespace {

void WriteArt(const QString& path, int symbolSize) {
  QImage art(3 * symbolSize, 3 * symbolSize, QImage::Format_RGB32);
  QPainter painter(&art);
  for (int cell = 0; cell < 9; ++cell)
    painter.fillRect((cell % 3) * symbolSize, (cell / 3) * symbolSize, symbolSize, symbolSize,
                     TestProgramDir::CellColor(cell));
  painter.end();
  art.save(path, "BMP");
}

void WriteText(const QString& path, const QString& text) {
  QFile file(path);
  if (file.open(QIODevice::WriteOnly)) file.write(text.toUtf8());
}

}  // namespace

TestProgramDir::TestProgramDir() {
  for (int size : {96, 144, 192}) WriteArt(File(QStringLiteral("volta%1.bmp").arg(size)), size);
  QImage tile(16, 16, QImage::Format_RGB32);
  tile.fill(BackgroundColor());
  tile.save(File(QStringLiteral("BKGRND1.BMP")), "BMP");
  // A contents list of links, then the topics.
  QString topics;
  for (int context : {41005, 41006, 41009, 41010, 41011, 41012})
    topics += QStringLiteral("<p><a href=\"#%1\">Go to topic %1</a></p>").arg(context);
  for (int context : {41005, 41006, 41009, 41010, 41011, 41012})
    topics += QStringLiteral("<h2><a name=\"%1\">Topic %1</a></h2><p>Text.</p>").arg(context);
  WriteText(File(QStringLiteral("VOLTA.HLP")),
            QStringLiteral("<html><body><h1>Voltaro manual</h1>%1</body></html>").arg(topics));
  WriteText(File(QStringLiteral("CATALOG.HLP")),
            QStringLiteral("<html><body><h1>Symbol catalog</h1></body></html>"));
}

QColor TestProgramDir::CellColor(int cell) { return QColor(20 + 25 * cell, 200 - 20 * cell, 90); }

DialogServices DialogScript::Dialogs() {
  DialogServices dialogs = DialogServices::Standard();
  dialogs.information = [this](QWidget*, const QString& text) {
    informations << text;
    if (whileInformed) whileInformed();
  };
  dialogs.warning = [this](QWidget*, const QString& text) { warnings << text; };
  dialogs.openFile = [this](QWidget*, const QString& title, const QString& folder,
                            const QString& filter) {
    fileTitles << title;
    fileFolders << folder;
    fileFilters << filter;
    if (fileAnswers.empty()) return QString();
    const QString answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
  };
  dialogs.chooseColor = [this](QWidget*, const QColor& initial) -> std::optional<QColor> {
    colorStarts << initial;
    if (colorAnswers.empty()) return std::nullopt;
    const auto answer = colorAnswers.front();
    colorAnswers.pop_front();
    return answer;
  };
  return dialogs;
}

FormFixture::FormFixture(const QString& ini) {
  if (!ini.isEmpty()) WriteText(SettingsPath(), ini);
  SlotEnvironment environment;
  environment.programDir = program_.Path();
  environment.settingsPath = SettingsPath();
  auto stops = std::make_unique<ScriptedStops>();
  stops_ = stops.get();
  environment.random = std::move(stops);
  environment.dialogs = script_.Dialogs();
  form_ = std::make_unique<TForm1>(std::move(environment));
}

FormFixture::~FormFixture() = default;

QAction* FormFixture::Item(const char* name) {
  return form_->findChild<QAction*>(QString::fromLatin1(name));
}

PlayRecord PaidPlayOf25Coins() {
  PlayRecord play;
  play.playedAt = 1796740000;
  play.coinValue = 0.25;
  play.coins = 25;
  play.window = {1, 2, 3, 4, 5, 6, 0, 1, 2};
  play.winningLines = 1;
  play.win = 2.50;
  play.creditsBefore = 1000;
  play.creditsAfter = 996.25;
  return play;
}

QStringList SectionKeys(const QString& path, const QString& section) {
  QFile file(path);
  QStringList keys;
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return keys;
  bool inSection = false;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.startsWith('[')) {
      inSection = line.compare('[' + section + ']', Qt::CaseInsensitive) == 0;
    } else if (inSection && line.contains('=')) {
      keys << line.section('=', 0, 0).trimmed();
    }
  }
  return keys;
}

QString SectionValue(const QString& path, const QString& section, const QString& key) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  bool inSection = false;
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine().trimmed();
    if (line.startsWith('['))
      inSection = line.compare('[' + section + ']', Qt::CaseInsensitive) == 0;
    else if (inSection && line.section('=', 0, 0).trimmed().compare(key, Qt::CaseInsensitive) == 0)
      return line.section('=', 1).trimmed();
  }
  return {};
}

namespace {

QScreen* ScreenOfSize(QSize size) {
  for (QScreen* screen : QGuiApplication::screens())
    if (screen->geometry().size() == size) return screen;
  return nullptr;
}

}  // namespace

void UseTestScreens() { UseOffscreenScreens(TestScreens); }

void MaximizeOn(TForm1& form, QSize screenSize) {
  QScreen* screen = ScreenOfSize(screenSize);
  QVERIFY(screen != nullptr);
  form.setWindowState(Qt::WindowNoState);
  QTRY_COMPARE(form.centralWidget()->size(), QSize(632, 394));
  form.move(screen->geometry().topLeft() + QPoint(10, 10));
  QTRY_COMPARE(form.screen(), screen);
  form.setWindowState(Qt::WindowMaximized);
  QTRY_COMPARE(form.centralWidget()->width(), screenSize.width());
}

void FireTimer(const TForm1& form, const char* name) {
  // The timeout signal runs the handler at once, the timer left as it was.
  if (!QMetaObject::invokeMethod(WindowTimer(form, name), "timeout", Qt::DirectConnection))
    qFatal("the timer %s could not be fired", name);
}

void ChangeGame(TForm1& form, const std::function<void(GameState&)>& edit) {
  GameState game = Probe(form).State();
  edit(game);
  Probe(form).RestoreGame(game);
}

bool PlayOut(TForm1& form, int timeoutMs) {
  QElapsedTimer waited;
  waited.start();
  while (Probe(form).Playing() && waited.elapsed() < timeoutMs) QTest::qWait(5);
  return !Probe(form).Playing();
}

bool HurryOut(TForm1& form, int timeoutMs) {
  QElapsedTimer waited;
  waited.start();
  while (Probe(form).Playing() && waited.elapsed() < timeoutMs)
    if (!Probe(form).Hurry()) QTest::qWait(2);
  return !Probe(form).Playing();
}
