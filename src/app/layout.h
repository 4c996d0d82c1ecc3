// Window layout in twips, as the design tables give it: 15 twips to a
// device-independent pixel (Qt scales high-dpi screens itself).
#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QtGlobal>

#include <initializer_list>

class QWidget;

namespace app {

constexpr int twipsPerPixel = 15;

inline int pixels(int twips) { return qRound(double(twips) / twipsPerPixel); }

// One row of a layout table: a child found by its object name, and its box.
struct Place {
    const char* name;
    int left, top, width, height;  // twips
};

inline QRect pixelRect(const Place& place)
{
    return QRect(pixels(place.left), pixels(place.top), pixels(place.width), pixels(place.height));
}

// Puts each named child of form into its box.
void placeControls(QWidget* form, std::initializer_list<Place> table);

// A window of fixed client size with minimize and close boxes only.
void setFixedSingleBorder(QWidget* window, int widthTwips, int heightTwips);

// The design's fonts: MS Sans Serif where the system has it, else the
// system's sans-serif at the same point size.
QFont formFont(double pointSize, bool bold = false, bool underline = false);

// A 0x00BBGGRR design colour.
inline QColor bgr(quint32 value)
{
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

// Sets a widget's background and text colours through its palette.
void setColors(QWidget* widget, const QColor& back, const QColor& text);
void setTextColor(QWidget* widget, const QColor& text);

}  // namespace app
