#include "app/context_menu_key.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

namespace app {

namespace {

class ContextMenuKey : public QObject {
public:
    using QObject::QObject;

protected:
    // Sends the focus widget the event the Menu key sends, at the same place
    // (an item view's current item, a field's cursor).
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = qobject_cast<QWidget*>(watched);
        if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier || !widget)
            return false;
        const QPoint position = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, position, widget->mapToGlobal(position),
                               key->modifiers());
        QApplication::sendEvent(widget, &menu);
        return true;
    }
};

}  // namespace

void installContextMenuKey()
{
    static QPointer<ContextMenuKey> filter;
    if (filter)
        return;
    filter = new ContextMenuKey(qApp);
    qApp->installEventFilter(filter);
}

}  // namespace app
