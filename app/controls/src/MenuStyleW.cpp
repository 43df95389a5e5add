#include "zentrok/MenuStyleW.h"

#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QWidget>

namespace zentrok {

namespace {

// The caption and the shortcut text of an item ("Caption\tCtrl+C").
void SplitItemText(const QString& text, QString& caption, QString& shortcut) {
  qsizetype tab = text.indexOf(QLatin1Char('\t'));
  caption = tab < 0 ? text : text.left(tab);
  shortcut = tab < 0 ? QString() : text.mid(tab + 1);
}

int TextWidth(const QFontMetrics& fm, const QString& s) {
  return fm.horizontalAdvance(QString(s).remove(QLatin1Char('&')));
}

}  // namespace

TMenuStyleW::TMenuStyleW() : QProxyStyle() {}

int TMenuStyleW::ItemHeightOf(const QWidget* widget) {
  if (widget) {
    QVariant v = widget->property("ItemHeight");
    if (v.isValid() && v.toInt() > 0) return v.toInt();
  }
  return kDefaultItemHeight;
}

int TMenuStyleW::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
  switch (metric) {
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuBarItemSpacing:
    case PM_MenuBarHMargin:
    case PM_MenuBarVMargin:
      return 0;
    case PM_MenuPanelWidth:
    case PM_MenuBarPanelWidth:
      return 1;
    default:
      return QProxyStyle::pixelMetric(metric, option, widget);
  }
}

QSize TMenuStyleW::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& size, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item) return QProxyStyle::sizeFromContents(type, option, size, widget);
  const int h = ItemHeightOf(widget);
  QFontMetrics fm(item->font);
  if (type == CT_MenuBarItem) {
    return QSize(TextWidth(fm, item->text) + 12, h);
  }
  if (type == CT_MenuItem) {
    // Qt drops items of zero width, so a separator is 1 wide.
    if (item->menuItemType == QStyleOptionMenuItem::Separator) return QSize(1, kSeparatorHeight);
    QString caption, shortcut;
    SplitItemText(item->text, caption, shortcut);
    int w = TextWidth(fm, caption);
    // QMenu adds the width of the widest shortcut text to the menu by
    // itself, so only the gap before a shortcut is counted here.
    if (!shortcut.isEmpty()) w += 12;
    return QSize(w + 2 * h, h);
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void TMenuStyleW::drawControl(ControlElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item || (element != CE_MenuBarItem && element != CE_MenuItem &&
                element != CE_MenuBarEmptyArea)) {
    QProxyStyle::drawControl(element, option, painter, widget);
    return;
  }
  const QColor face = option->palette.color(QPalette::Button);
  if (element == CE_MenuBarEmptyArea) {
    painter->fillRect(option->rect, face);
    return;
  }
  const bool enabled = item->state & State_Enabled;
  const bool selected = (item->state & State_Selected) && enabled;
  const int h = ItemHeightOf(widget);
  painter->save();
  painter->setFont(item->font);
  if (element == CE_MenuBarItem) {
    QRect r = option->rect.adjusted(1, 1, -1, -1);
    const bool open = selected && (item->state & State_Sunken);
    painter->fillRect(option->rect, face);
    if (open) {
      painter->fillRect(r, Qt::white);
      painter->setPen(kMenuFrameColor);
      painter->drawLine(r.bottomLeft(), r.topLeft());
      painter->drawLine(r.topLeft(), r.topRight());
      painter->drawLine(r.topRight(), r.bottomRight());
    } else if (selected) {
      painter->fillRect(r, kMenuHotColor);
      painter->setPen(kMenuFrameColor);
      painter->drawRect(r.adjusted(0, 0, -1, -1));
    }
    painter->setPen(enabled ? QColor(Qt::black) : kMenuDisabledColor);
    painter->drawText(r.adjusted(5, 3, -3, -3),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextSingleLine,
                      item->text);
    painter->restore();
    return;
  }
  // A drop-down item.
  const QRect r = option->rect;
  if (selected) {
    painter->fillRect(r, kMenuHotColor);
  } else {
    painter->fillRect(r, Qt::white);
    painter->fillRect(QRect(r.left(), r.top(), h, r.height()), face);
  }
  const QRect text(r.left() + h + 4, r.top(), std::max(r.width() - 2 * h + 12, 0), r.height() - 3);
  if (item->menuItemType == QStyleOptionMenuItem::Separator) {
    painter->setPen(kMenuDisabledColor);
    int y = r.top() + r.height() / 2;
    painter->drawLine(text.left(), y, r.right(), y);
    painter->restore();
    return;
  }
  // The image: the check mark for a checked item, else the item's icon.
  const QRect image(r.left() + 2, r.top() + 1, h - 4, h - 2);
  if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked) {
    // The check mark, in the text colour.
    const QRectF box = QRectF(image).adjusted(4, 5, -4, -5);
    const QPointF mark[] = {{box.left(), box.center().y()},
                            {box.left() + box.width() * 0.4, box.bottom()},
                            {box.right(), box.top()}};
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(QPen(enabled ? QColor(Qt::black) : kMenuDisabledColor, 2));
    painter->drawPolyline(mark, 3);
    painter->restore();
  } else if (!item->icon.isNull()) {
    int side = std::min(image.width(), image.height());
    item->icon.paint(painter, QRect(image.topLeft(), QSize(side, side)), Qt::AlignLeft | Qt::AlignTop,
                     enabled ? QIcon::Normal : QIcon::Disabled);
  }
  QString caption, shortcut;
  SplitItemText(item->text, caption, shortcut);
  painter->setPen(enabled ? QColor(Qt::black) : kMenuDisabledColor);
  const int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
  const QRect& line = text;
  painter->drawText(line, flags | Qt::AlignLeft, caption);
  if (!shortcut.isEmpty()) painter->drawText(line, flags | Qt::AlignRight, shortcut);
  if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
    QStyleOption arrow = *option;
    arrow.rect = QRect(r.right() - h + 6, r.top(), h - 8, r.height());
    painter->setPen(Qt::black);
    proxy()->drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
  }
  painter->restore();
}

}  // namespace zentrok
