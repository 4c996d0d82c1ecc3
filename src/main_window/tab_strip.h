// The main window's tab strip: all tabs in one row sharing the strip's width,
// each header as tall as the design's tab height, its caption wrapped onto
// several lines at the spaces. Qt's tab bar draws captions on one line only,
// so the headers are drawn here; tabText() keeps each caption whole for
// assistive technology and the handlers.
#pragma once

#include <QTabBar>

class TabStrip : public QTabBar {
public:
    explicit TabStrip(int tabHeight, QWidget* parent = nullptr);

    // The box a tab's caption is drawn in, inside its header.
    QRect captionRect(int index) const;

    static constexpr int captionFlags = Qt::AlignCenter | Qt::TextWordWrap;

protected:
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void paintTab(QPainter& painter, int index);

    int m_tabHeight;
};
