#include "app/window_places.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace app {

namespace {

const QString filterName = QStringLiteral("windowPlaces");
// Set on a window once it has taken its place; its settings key. Kept on the
// window because a window being destroyed no longer knows its own class.
const char* const keyProperty = "windowPlaceKey";
// A second window of a kind opens this far down and right of the first.
const QPoint cascade(32, 32);

QString placeKey(const QWidget& window)
{
    QString key = QStringLiteral("windowPlaces/")
                  + QString::fromLatin1(window.metaObject()->className()).replace(QLatin1String("::"), QLatin1String("."));
    if (!window.objectName().isEmpty())
        key += QLatin1Char('/') + window.objectName();
    return key;
}

bool isRemembered(const QWidget& window)
{
    return window.isWindow() && window.windowType() == Qt::Window && !qobject_cast<const QDialog*>(&window);
}

bool showsAt(const QString& key, QPoint place, const QWidget& except)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [&](const QWidget* other) {
        return other != &except && other->isVisible() && other->property(keyProperty).toString() == key
               && other->pos() == place;
    });
}

void restore(QWidget& window)
{
    const QString key = placeKey(window);
    window.setProperty(keyProperty, key);
    const QByteArray geometry = QSettings().value(key).toByteArray();
    if (geometry.isEmpty() || !window.restoreGeometry(geometry))
        return;
    QPoint place = window.pos();
    while (showsAt(key, place, window))
        place += cascade;
    window.move(place);
}

void save(const QWidget& window)
{
    const QString key = window.property(keyProperty).toString();
    if (!key.isEmpty())
        QSettings().setValue(key, window.saveGeometry());
}

class WindowPlaces final : public QObject {
public:
    explicit WindowPlaces(QObject* parent) : QObject(parent) { setObjectName(filterName); }

protected:
    // A Show event comes before the window is on screen, so it never jumps.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::Show && type != QEvent::Hide) || !watched->isWidgetType())
            return false;
        auto* window = static_cast<QWidget*>(watched);
        if (type == QEvent::Show && isRemembered(*window) && !window->property(keyProperty).isValid())
            restore(*window);
        else if (type == QEvent::Hide && !event->spontaneous())
            save(*window);
        return false;
    }
};

}  // namespace

void rememberWindowPlaces()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application->findChild<QObject*>(filterName, Qt::FindDirectChildrenOnly))
        return;
    auto* filter = new WindowPlaces(application);
    application->installEventFilter(filter);
    QObject::connect(application, &QCoreApplication::aboutToQuit, filter, [] {
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (window->isVisible())
                save(*window);
        }
    });
}

}  // namespace app
