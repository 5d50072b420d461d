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
  void manualHasEveryTopic() {
    const HelpPage manual = ReadPage("VOLTA.HLP");
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
    QVERIFY(manual.html.contains(QString::fromUtf8("25\u00a2")));
  }

  void catalogLinksAndPictures() {
    const HelpPage catalog = ReadPage("CATALOG.HLP");
    QVERIFY(catalog.utf8);
    QVERIFY(!catalog.anchors.isEmpty());
    CheckLinks(catalog);
    CheckImages(catalog);
    for (int code = 0; code < 9; ++code)
      QVERIFY(catalog.images.contains(QString("catalog-symbol%1.png").arg(code)));
  }

  // Each symbol's row quotes its pay and how often it sits on each wheel.
  void catalogAgreesWithTheRules() {
    const HelpPage catalog = ReadPage("CATALOG.HLP");
    for (int code = 0; code < SymbolCount; ++code) {
      const QString row = CatalogRow(catalog.html, code);
      QVERIFY2(!row.isEmpty(), qPrintable(QString("no row for symbol %1").arg(code)));
      const QString counts = QString("%1 / %2 / %3")
                                 .arg(CountOnWheel(Strip1Digits, code))
                                 .arg(CountOnWheel(Strip2NormalDigits, code))
                                 .arg(CountOnWheel(Strip3Digits, code));
      QVERIFY2(row.contains(counts), qPrintable(QString("symbol %1: %2").arg(code).arg(counts)));
      if (code == PowerDrainSymbol) {
        QVERIFY(row.contains("pays nothing"));
      } else {
        const QString pay = QString("<b>%1</b>").arg(PayTable.at(code));
        QVERIFY2(row.contains(pay), qPrintable(QString("symbol %1 pays %2").arg(code).arg(pay)));
      }
    }
    // Two cherries on the first two wheels: the last row of the pay table.
    QVERIFY(CatalogRow(catalog.html, 5).contains(QString("<b>%1</b>").arg(PayTable.at(6))));
  }
};

QT_TEST_CLASS(HelpFilesTest);
#include "HelpFilesTest.moc"
