#include "app/form_button.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace {

// The raised edge around the caption.
constexpr int edge = 2;

}  // namespace

FormButton::FormButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
}

void FormButton::setGraphical(const QColor& backColor)
{
    m_graphical = true;
    QPalette colours = palette();
    colours.setColor(QPalette::Button, backColor);
    setPalette(colours);
}

void FormButton::setStackedCaption(bool stacked)
{
    m_stacked = stacked;
    update();
}

QString FormButton::displayedCaption() const
{
    if (!m_stacked)
        return text();
    QStringList letters;
    for (const QChar letter : text())
        letters.append(letter);
    return letters.join(QLatin1Char('\n'));
}

// Upright, the caption may reach the edge's inner line: two lines of the
// window's font take the whole height of a standard button.
QRect FormButton::captionRect() const
{
    return rect().adjusted(edge, 1, -edge, -1);
}

void FormButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_graphical) {
        paintGraphicalFace(painter);
    } else {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
    }
    QRect box = captionRect();
    if (isDown())
        box.translate(1, 1);
    painter.setFont(font());
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(box, captionFlags, displayedCaption());
}

// A plain push button outside a dialog leaves Return and Enter to its window.
// Held down, the key presses the button once, as Space does.
void FormButton::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        click();
    event->accept();
}

void FormButton::paintGraphicalFace(QPainter& painter)
{
    const QBrush face = palette().button();
    qDrawWinButton(&painter, rect(), palette(), isDown(), &face);
    if (hasFocus())
        paintFocus(painter);
}

void FormButton::paintFocus(QPainter& painter)
{
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = captionRect();
    option.backgroundColor = palette().color(QPalette::Button);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}
