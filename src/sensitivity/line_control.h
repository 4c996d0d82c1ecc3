// A drawn stroke of the window, given like the design gives it: two end
// points in twips on the window. It takes no focus and no clicks.
#pragma once

#include <QPoint>
#include <QWidget>

namespace sensitivity {

struct Stroke {
    const char* name;
    int x1, y1, x2, y2;  // twips
};

class LineControl : public QWidget {
    Q_OBJECT
public:
    LineControl(const Stroke& stroke, const QColor& color, QWidget* parent);
    // The end points in pixels on the parent.
    QPoint start() const { return m_start; }
    QPoint end() const { return m_end; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPoint m_start;
    QPoint m_end;
    QColor m_color;
};

}  // namespace sensitivity
