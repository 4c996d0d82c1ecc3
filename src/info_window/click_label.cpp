#include "info_window/click_label.h"

#include <QMouseEvent>

void ClickLabel::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event)
{
    // Released elsewhere, the press is abandoned, as with a button.
    const bool click = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

// The default handling would take the second press of a double click for a
// new press and arm the click again.
void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
}
