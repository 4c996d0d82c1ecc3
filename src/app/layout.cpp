#include "app/layout.h"

#include <QPalette>
#include <QWidget>

namespace app {

void placeControls(QWidget* form, std::initializer_list<Place> table)
{
    for (const Place& place : table) {
        auto* control = form->findChild<QWidget*>(QLatin1String(place.name));
        Q_ASSERT_X(control, "placeControls", place.name);
        if (control)
            control->setGeometry(pixelRect(place));
    }
}

void setFixedSingleBorder(QWidget* window, int widthTwips, int heightTwips)
{
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                           | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                           | Qt::WindowCloseButtonHint);
    window->setFixedSize(pixels(widthTwips), pixels(heightTwips));
}

QFont formFont(double pointSize, bool bold, bool underline)
{
    // Where the design's face is missing, a face of its width comes before the
    // system's default sans-serif, so the captions still fit their boxes.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void setColors(QWidget* widget, const QColor& back, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, back);
    palette.setColor(QPalette::Button, back);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColor(QWidget* widget, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Text, text);
    widget->setPalette(palette);
}

}  // namespace app
