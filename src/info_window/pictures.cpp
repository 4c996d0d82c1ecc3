#include "info_window/pictures.h"

#include <QFile>
#include <QImage>
#include <QtEndian>

// Resources in a static library are registered only when something calls
// their initialiser; this must sit outside any namespace.
static void registerPictures()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(info_window);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace info_window {

QPixmap bannerPicture()
{
    registerPictures();
    return QPixmap(QStringLiteral(":/info_window/banner.gif"));
}

QPixmap stripPicture()
{
    registerPictures();
    return QPixmap(QStringLiteral(":/info_window/strip.jpg"));
}

QCursor handCursor()
{
    registerPictures();
    QFile file(QStringLiteral(":/info_window/hand.cur"));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (bytes.size() < 14)
        return QCursor(Qt::PointingHandCursor);
    // A cursor's directory entry keeps the hot spot where an icon's keeps planes and bit count.
    const int x = qFromLittleEndian<quint16>(bytes.constData() + 10);
    const int y = qFromLittleEndian<quint16>(bytes.constData() + 12);
    return QCursor(QPixmap::fromImage(QImage::fromData(bytes)), x, y);
}

}  // namespace info_window
