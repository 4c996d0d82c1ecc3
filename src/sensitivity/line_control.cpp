#include "sensitivity/line_control.h"

#include "app/layout.h"

#include <QPainter>

namespace sensitivity {

LineControl::LineControl(const Stroke& stroke, const QColor& color, QWidget* parent)
    : QWidget(parent),
      m_start(app::pixels(stroke.x1), app::pixels(stroke.y1)),
      m_end(app::pixels(stroke.x2), app::pixels(stroke.y2)),
      m_color(color)
{
    setObjectName(QLatin1String(stroke.name));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    // The smallest box holding both end pixels.
    setGeometry(QRect(QPoint(qMin(m_start.x(), m_end.x()), qMin(m_start.y(), m_end.y())),
                      QPoint(qMax(m_start.x(), m_end.x()), qMax(m_start.y(), m_end.y()))));
}

void LineControl::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    painter.drawLine(m_start - pos(), m_end - pos());
}

}  // namespace sensitivity
