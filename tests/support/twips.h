// The designed windows' measures are in twips, 15 to a pixel.
#pragma once

#include <QLine>
#include <QRect>
#include <QtMath>

namespace testing_support {

inline int pixels(int twips) { return qRound(twips / 15.0); }
inline QPoint pixels(QPoint twips) { return {pixels(twips.x()), pixels(twips.y())}; }
inline QRect pixels(const QRect& twips)
{
    return {pixels(twips.x()), pixels(twips.y()), pixels(twips.width()), pixels(twips.height())};
}

}  // namespace testing_support
