// SPDX-License-Identifier: GPL-3.0-or-later
#include "LazyStyleIcons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <optional>

namespace {

// An icon of the style's, fetched from it on first use.
class LazyStandardIcon : public QIconEngine {
 public:
  LazyStandardIcon(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  // The common style draws these arrows from pictures it always has; asking
  // would read them.
  bool isNull() override { return icon_ ? icon_->isNull() : false; }
  QString key() const override { return QStringLiteral("VoltaroLazyStandardIcon"); }
  QIconEngine* clone() const override { return new LazyStandardIcon(*this); }

 private:
  const QIcon& Icon() {
    if (!icon_) icon_ = style_ != nullptr ? style_->standardIcon(which_) : QIcon();
    return *icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  std::optional<QIcon> icon_;
};

class LazyOverflowIcons : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;

  QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                     const QWidget* widget) const override {
    if (which != SP_ToolBarHorizontalExtensionButton && which != SP_ToolBarVerticalExtensionButton)
      return QProxyStyle::standardIcon(which, option, widget);
    return QIcon(new LazyStandardIcon(baseStyle(), which));
  }
};

}  // namespace

void MakeOverflowIconsLazy() {
  QStyle* style = QApplication::style();
  if (dynamic_cast<LazyOverflowIcons*>(style) == nullptr)
    QApplication::setStyle(new LazyOverflowIcons(style));
}
