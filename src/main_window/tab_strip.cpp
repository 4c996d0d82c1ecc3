#include "main_window/tab_strip.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <QStyleOptionTab>
#include <QStyleOptionTabBarBase>

namespace {

// The header's drawn edge around the caption.
constexpr int captionMargin = 2;

}  // namespace

TabStrip::TabStrip(int tabHeight, QWidget* parent) : QTabBar(parent), m_tabHeight(tabHeight)
{
    setExpanding(false);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

QRect TabStrip::captionRect(int index) const
{
    return tabRect(index).adjusted(captionMargin, captionMargin, -captionMargin, -captionMargin);
}

// Integer shares of the strip's width, so the row ends exactly at its edge.
QSize TabStrip::tabSizeHint(int index) const
{
    const int tabs = qMax(count(), 1);
    const int left = width() * index / tabs;
    const int right = width() * (index + 1) / tabs;
    return QSize(right - left, m_tabHeight);
}

QSize TabStrip::minimumTabSizeHint(int index) const
{
    return tabSizeHint(index);
}

void TabStrip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);

    QStyleOptionTabBarBase base;
    base.initFrom(this);
    base.shape = shape();
    base.documentMode = documentMode();
    base.rect = QRect(0, m_tabHeight - 2, width(), height() - m_tabHeight + 2);
    base.tabBarRect = QRect(0, 0, width(), m_tabHeight);
    if (currentIndex() >= 0)
        base.selectedTabRect = tabRect(currentIndex());
    style()->drawPrimitive(QStyle::PE_FrameTabBarBase, &base, &painter, this);

    // The selected header is drawn last, over its neighbours' edges.
    for (int index = 0; index < count(); ++index) {
        if (index != currentIndex())
            paintTab(painter, index);
    }
    if (currentIndex() >= 0)
        paintTab(painter, currentIndex());
}

void TabStrip::paintTab(QPainter& painter, int index)
{
    QStyleOptionTab option;
    initStyleOption(&option, index);
    option.text.clear();
    style()->drawControl(QStyle::CE_TabBarTabShape, &option, &painter, this);

    painter.setFont(font());
    painter.setPen(option.palette.color(QPalette::WindowText));
    painter.drawText(captionRect(index), captionFlags, tabText(index));

    if (index == currentIndex() && hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = captionRect(index);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
