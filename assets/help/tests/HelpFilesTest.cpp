// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the help pages as the help window's HTML engine reads them: topics,
// links, pictures, and that the catalog agrees with the rules.
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>
#include <algorithm>

#include "GameState.h"
#include "QtTestClasses.h"
#include "Reels.h"

namespace {

const QString kAssetDir = QStringLiteral(VOLTARO_ASSET_DIR);

// VOLTA.HLP and its translation into `language` (VOLTA.de.HLP).
QString PageName(const char* page, const QString& language) {
  const QString name = QString::fromLatin1(page);
  return language.isEmpty() ? name : name.chopped(4) + '.' + language + ".HLP";
}

// One row for the English pages and one for each language the game speaks.
void AddLanguageRows() {
  QTest::addColumn<QString>("language");
  QTest::newRow("en") << QString();
  for (const QString& language : QStringLiteral(VOLTARO_LANGUAGES).split(',', Qt::SkipEmptyParts))
    QTest::newRow(qPrintable(language)) << language;
}

struct HelpPage {
  QString html;
  QStringList anchors;  // in document order
  QStringList links;    // href of every link, in document order
  QStringList images;   // src of every picture
  bool utf8 = false;
};

HelpPage ReadPage(const QString& fileName) {
  HelpPage page;
  QFile file(kAssetDir + fileName);
  if (!file.open(QIODevice::ReadOnly)) return page;
  const QByteArray bytes = file.readAll();
  QStringDecoder decoder(QStringDecoder::Utf8);
  page.html = decoder(bytes);
  page.utf8 = !decoder.hasError();

  QTextDocument document;
  document.setHtml(page.html);
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      page.anchors += format.anchorNames();
      if (format.isAnchor() && !format.anchorHref().isEmpty()) page.links += format.anchorHref();
      if (format.isImageFormat()) page.images += format.toImageFormat().name();
    }
  }
  page.links.removeDuplicates();
  return page;
}

// Every in-page link lands on an anchor of the page.
void CheckLinks(const HelpPage& page) {
  for (const QString& link : page.links) {
    QVERIFY2(link.startsWith('#'), qPrintable("link leaves the page: " + link));
    QVERIFY2(page.anchors.contains(link.mid(1)), qPrintable("no anchor for " + link));
  }
}

void CheckImages(const HelpPage& page) {
  for (const QString& name : page.images) {
    QVERIFY2(!name.contains('/'), qPrintable("picture outside the program folder: " + name));
    QVERIFY2(!QImage(kAssetDir + name).isNull(), qPrintable("missing picture " + name));
  }
}

// The catalog row of a symbol: the table row that shows its picture.
QString CatalogRow(const QString& html, int code) {
  const QString picture = QString("catalog-symbol%1.png").arg(code);
  const QRegularExpression row("<tr>((?:(?!</tr>).)*)</tr>",
                               QRegularExpression::DotMatchesEverythingOption);
  for (auto match = row.globalMatch(html); match.hasNext();) {
    const QString text = match.next().captured(1);
    if (text.contains(picture) && text.contains(" / ")) return text;
  }
  return {};
}

int CountOnWheel(const char* strip, int code) {
  return static_cast<int>(std::count(strip, strip + StripLength, static_cast<char>('0' + code)));
}

}  // namespace

class HelpFilesTest : public QObject {
  Q_OBJECT

 private slots:
  void manualHasEveryTopic_data() { AddLanguageRows(); }
  void manualHasEveryTopic() {
    QFETCH(QString, language);
    const HelpPage manual = ReadPage(PageName("VOLTA.HLP", language));
    QVERIFY(manual.utf8);
    QVERIFY(!manual.html.isEmpty());
    const QStringList topics{"41006", "41005", "41009", "41010", "41011", "41012"};
    for (const QString& topic : topics) {
      QVERIFY2(manual.anchors.contains(topic), qPrintable("no topic " + topic));
      // The contents at the top leads to every topic before any topic begins.
      QVERIFY2(manual.links.contains("#" + topic), qPrintable("contents lacks " + topic));
    }
    const qsizetype firstTopic = manual.html.indexOf("name=\"41006\"");
    for (const QString& topic : topics)
      QVERIFY(manual.html.indexOf("href=\"#" + topic + "\"") < firstTopic);
    CheckLinks(manual);
    CheckImages(manual);
    // Coin values are written with the cent sign; it must survive decoding.
    QVERIFY(manual.html.contains(QRegularExpression(QString::fromUtf8("25[\u00a0\u202f]?\u00a2"))));
  }

  void catalogLinksAndPictures_data() { AddLanguageRows(); }
  void catalogLinksAndPictures() {
    QFETCH(QString, language);
    const HelpPage catalog = ReadPage(PageName("CATALOG.HLP", language));
    QVERIFY(catalog.utf8);
    QVERIFY(!catalog.anchors.isEmpty());
    CheckLinks(catalog);
    CheckImages(catalog);
    for (int code = 0; code < 9; ++code)
      QVERIFY(catalog.images.contains(QString("catalog-symbol%1.png").arg(code)));
  }

  // Each symbol's row quotes its pay and how often it sits on each wheel.
  void catalogAgreesWithTheRules_data() { AddLanguageRows(); }
  void catalogAgreesWithTheRules() {
    QFETCH(QString, language);
    const HelpPage catalog = ReadPage(PageName("CATALOG.HLP", language));
    for (int code = 0; code < SymbolCount; ++code) {
      const QString row = CatalogRow(catalog.html, code);
      QVERIFY2(!row.isEmpty(), qPrintable(QString("no row for symbol %1").arg(code)));
      const QString counts = QString("%1 / %2 / %3")
                                 .arg(CountOnWheel(Strip1Digits, code))
                                 .arg(CountOnWheel(Strip2NormalDigits, code))
                                 .arg(CountOnWheel(Strip3Digits, code));
      QVERIFY2(row.contains(counts), qPrintable(QString("symbol %1: %2").arg(code).arg(counts)));
      if (code == PowerDrainSymbol) {
        if (language.isEmpty()) QVERIFY(row.contains("pays nothing"));
      } else {
        const QString pay = QString("<b>%1</b>").arg(PayTable.at(code));
        QVERIFY2(row.contains(pay), qPrintable(QString("symbol %1 pays %2").arg(code).arg(pay)));
      }
    }
    // Two cherries on the first two wheels: the last row of the pay table.
    QVERIFY(CatalogRow(catalog.html, 5).contains(QString("<b>%1</b>").arg(PayTable.at(6))));
  }

  // A translated page is the English page in other words: the same topics
  // in the same order, the same links and pictures, and its language named.
  void translationsKeepTheTopics_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("language");
    for (const char* page : {"VOLTA.HLP", "CATALOG.HLP"}) {
      for (const QString& language :
           QStringLiteral(VOLTARO_LANGUAGES).split(',', Qt::SkipEmptyParts))
        QTest::newRow(qPrintable(PageName(page, language))) << QString(page) << language;
    }
  }
  void translationsKeepTheTopics() {
    QFETCH(QString, page);
    QFETCH(QString, language);
    const HelpPage english = ReadPage(page);
    const HelpPage translated = ReadPage(PageName(qPrintable(page), language));
    QVERIFY2(!translated.html.isEmpty(),
             qPrintable("missing " + PageName(qPrintable(page), language)));
    QCOMPARE(translated.anchors, english.anchors);
    QCOMPARE(translated.links, english.links);
    QCOMPARE(translated.images, english.images);
    QVERIFY(translated.html.contains(QString("<html lang=\"%1\">").arg(language)));
    QVERIFY(translated.html != english.html);
  }
};

QT_TEST_CLASS(HelpFilesTest);
#include "HelpFilesTest.moc"
