// SPDX-License-Identifier: GPL-3.0-or-later
// Two classes for the test of the one Qt Test main itself: one that passes,
// and one that fails when SELF_TEST_FAIL is set, after a set-up that must
// have run before it.
#include <QTest>
#include <cstdlib>

#include "QtTestClasses.h"

namespace {

bool prepared = false;
void Prepare() { prepared = true; }

class Passes : public QObject {
  Q_OBJECT

 private slots:
  void passes() { QVERIFY(!prepared); }
};

class FailsOnRequest : public QObject {
  Q_OBJECT

 private slots:
  void setUpRanFirst() { QVERIFY(prepared); }
  void failsOnRequest() { QVERIFY(std::getenv("SELF_TEST_FAIL") == nullptr); }
};

}  // namespace

QT_TEST_CLASS(Passes);
QT_TEST_CLASS_WITH(FailsOnRequest, Prepare, nullptr);

#include "QtTestMainSelfTest.moc"
