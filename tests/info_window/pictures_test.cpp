// Reads the stored pictures, the link cursor and the program icon byte by byte
// and checks the properties their formats are fixed to; then has Qt decode them.
#include "app/application.h"
#include "info_window/pictures.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSet>
#include <QTest>
#include <QtEndian>

#include <optional>

static void registerPictures()
{
    Q_INIT_RESOURCE(info_window);
    Q_INIT_RESOURCE(dorvantix_icon);
}

namespace {

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Bounds-checked little- and big-endian readers; out of range reads as -1.
int u8(const QByteArray& b, qsizetype at) { return at >= 0 && at < b.size() ? quint8(b[at]) : -1; }
int le16(const QByteArray& b, qsizetype at)
{
    return at >= 0 && at + 2 <= b.size() ? qFromLittleEndian<quint16>(b.constData() + at) : -1;
}
qint64 le32(const QByteArray& b, qsizetype at)
{
    return at >= 0 && at + 4 <= b.size() ? qFromLittleEndian<quint32>(b.constData() + at) : -1;
}
int be16(const QByteArray& b, qsizetype at)
{
    return at >= 0 && at + 2 <= b.size() ? qFromBigEndian<quint16>(b.constData() + at) : -1;
}
qint64 be32(const QByteArray& b, qsizetype at)
{
    return at >= 0 && at + 4 <= b.size() ? qFromBigEndian<quint32>(b.constData() + at) : -1;
}

struct GifFrame {
    int delay = -1;
    int disposal = -1;
    int transparentIndex = -1;
    QRect area;
};

struct Gif {
    QByteArray signature;
    QSize screen;
    int globalColours = 0;
    int loopCount = -1;
    QList<GifFrame> frames;
};

// Skips a run of data sub-blocks; returns the offset after the terminator, or -1.
qsizetype skipSubBlocks(const QByteArray& b, qsizetype at)
{
    for (int size = u8(b, at); size > 0; size = u8(b, at))
        at += 1 + size;
    return u8(b, at) == 0 ? at + 1 : -1;
}

std::optional<Gif> parseGif(const QByteArray& b)
{
    Gif gif;
    gif.signature = b.left(6);
    gif.screen = QSize(le16(b, 6), le16(b, 8));
    const int packed = u8(b, 10);
    if (packed < 0)
        return std::nullopt;
    qsizetype at = 13;
    if (packed & 0x80) {
        gif.globalColours = 2 << (packed & 7);
        at += 3 * gif.globalColours;
    }
    GifFrame pending;
    for (;;) {
        const int introducer = u8(b, at);
        if (introducer == 0x3B)
            return at + 1 == b.size() ? std::optional<Gif>(gif) : std::nullopt;
        if (introducer == 0x21 && u8(b, at + 1) == 0xF9 && u8(b, at + 2) == 4) {
            const int flags = u8(b, at + 3);
            pending.disposal = (flags >> 2) & 7;
            pending.delay = le16(b, at + 4);
            pending.transparentIndex = (flags & 1) ? u8(b, at + 6) : -1;
            at = skipSubBlocks(b, at + 2);
        } else if (introducer == 0x21 && u8(b, at + 1) == 0xFF && b.mid(at + 3, 11) == "NETSCAPE2.0") {
            if (u8(b, at + 14) == 3 && u8(b, at + 15) == 1)
                gif.loopCount = le16(b, at + 16);
            at = skipSubBlocks(b, at + 2);
        } else if (introducer == 0x21) {
            at = skipSubBlocks(b, at + 2);
        } else if (introducer == 0x2C) {
            pending.area = QRect(le16(b, at + 1), le16(b, at + 3), le16(b, at + 5), le16(b, at + 7));
            const int flags = u8(b, at + 9);
            at += 10;
            if (flags & 0x80)
                at += 3 * (2 << (flags & 7));
            at = skipSubBlocks(b, at + 1);  // after the LZW minimum code size
            gif.frames.append(pending);
            pending = GifFrame();
        } else {
            return std::nullopt;
        }
        if (at < 0)
            return std::nullopt;
    }
}

// The SOF0 frame size of a baseline JPEG, after checking the JFIF marker.
std::optional<QSize> jfifFrameSize(const QByteArray& b)
{
    if (be16(b, 0) != 0xFFD8 || be16(b, 2) != 0xFFE0 || b.mid(6, 5) != QByteArray("JFIF\0", 5))
        return std::nullopt;
    for (qsizetype at = 2; u8(b, at) == 0xFF;) {
        const int marker = u8(b, at + 1);
        if (marker == 0xC0)
            return QSize(be16(b, at + 7), be16(b, at + 5));
        if (marker == 0xDA || be16(b, at + 2) < 2)
            return std::nullopt;
        at += 2 + be16(b, at + 2);
    }
    return std::nullopt;
}

// Bytes a 40-byte-header bitmap of an icon or cursor must hold.
qint64 iconBitmapBytes(int size, int bitCount)
{
    const int colours = bitCount <= 8 ? 1 << bitCount : 0;
    const qint64 xorRow = (qint64(size) * bitCount + 31) / 32 * 4;
    const qint64 andRow = (size + 31) / 32 * 4;
    return 40 + 4 * colours + size * (xorRow + andRow);
}

}  // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerPictures(); }

    void bannerIsA21FrameLoopingGif();
    void stripIsAJfifJpeg();
    void handIsA16ColourCursorWithItsHotSpot();
    void iconHoldsFifteenImages();
    void iconThemeSizes_data();
    void iconThemeSizes();
};

void PicturesTest::bannerIsA21FrameLoopingGif()
{
    const std::optional<Gif> gif = parseGif(contents(":/info_window/banner.gif"));
    QVERIFY(gif);
    QCOMPARE(gif->signature, "GIF89a");
    QCOMPARE(gif->screen, QSize(405, 94));
    QCOMPARE(gif->globalColours, 64);
    QCOMPARE(gif->loopCount, 999);
    QCOMPARE(gif->frames.size(), 21);
    for (const GifFrame& frame : gif->frames) {
        QCOMPARE(frame.area, QRect(0, 0, 405, 94));
        QCOMPARE(frame.delay, 7);
        QCOMPARE(frame.disposal, 2);
        QCOMPARE(frame.transparentIndex, 0);
    }

    QImageReader reader(":/info_window/banner.gif");
    QCOMPARE(reader.imageCount(), 21);
    for (int i = 0; i < 21; ++i)
        QVERIFY2(!reader.read().isNull(), qPrintable(QString("frame %1: %2").arg(i).arg(reader.errorString())));
}

void PicturesTest::stripIsAJfifJpeg()
{
    const std::optional<QSize> size = jfifFrameSize(contents(":/info_window/strip.jpg"));
    QVERIFY(size);
    QCOMPARE(*size, QSize(55, 171));
    QCOMPARE(QImage(":/info_window/strip.jpg").size(), QSize(55, 171));
    QCOMPARE(info_window::stripPicture().size(), QSize(55, 171));
}

void PicturesTest::handIsA16ColourCursorWithItsHotSpot()
{
    const QByteArray b = contents(":/info_window/hand.cur");
    QCOMPARE(le16(b, 0), 0);
    QCOMPARE(le16(b, 2), 2);  // a cursor, not an icon
    QCOMPARE(le16(b, 4), 1);
    QCOMPARE(u8(b, 6), 32);
    QCOMPARE(u8(b, 7), 32);
    QCOMPARE(u8(b, 8), 16);
    QCOMPARE(QPoint(le16(b, 10), le16(b, 12)), QPoint(12, 1));
    const qint64 bytes = le32(b, 14);
    const qint64 offset = le32(b, 18);
    QCOMPARE(offset + bytes, qint64(b.size()));
    QCOMPARE(le32(b, offset), 40);
    QCOMPARE(le32(b, offset + 4), 32);
    QCOMPARE(le32(b, offset + 8), 64);
    QCOMPARE(le16(b, offset + 14), 4);
    QCOMPARE(bytes, iconBitmapBytes(32, 4));

    QCOMPARE(QImage::fromData(b).size(), QSize(32, 32));
    QCOMPARE(info_window::handCursor().hotSpot(), QPoint(12, 1));
}

void PicturesTest::iconHoldsFifteenImages()
{
    const QByteArray b = contents(":/icons/dorvantix.ico");
    QCOMPARE(le16(b, 0), 0);
    QCOMPARE(le16(b, 2), 1);
    QCOMPARE(le16(b, 4), 15);

    QSet<QPair<int, int>> found;
    for (int i = 0; i < 15; ++i) {
        const qsizetype entry = 6 + 16 * i;
        const int size = u8(b, entry);
        const int bitCount = le16(b, entry + 6);
        const qint64 bytes = le32(b, entry + 8);
        const qint64 offset = le32(b, entry + 12);
        const QString where = QString("image %1, %2 px at %3 bits").arg(i).arg(size).arg(bitCount);
        QVERIFY2(u8(b, entry + 1) == size, qPrintable(where));
        QVERIFY2(u8(b, entry + 2) == (bitCount == 4 ? 16 : 0), qPrintable(where));
        QVERIFY2(le16(b, entry + 4) == 1, qPrintable(where));
        QVERIFY2(bytes == iconBitmapBytes(size, bitCount), qPrintable(where));
        QVERIFY2(offset >= 6 + 16 * 15 && offset + bytes <= b.size(), qPrintable(where));
        QVERIFY2(le32(b, offset) == 40 && le32(b, offset + 4) == size && le32(b, offset + 8) == 2 * size
                     && le16(b, offset + 14) == bitCount,
                 qPrintable(where));
        found.insert({size, bitCount});
    }
    QSet<QPair<int, int>> expected;
    for (int size : {16, 32, 48, 64, 128})
        for (int bitCount : {4, 24, 32})
            expected.insert({size, bitCount});
    QCOMPARE(found, expected);

    const QList<QSize> sizes = app::applicationIcon().availableSizes();
    QCOMPARE(sizes, (QList<QSize>{{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}}));
}

void PicturesTest::iconThemeSizes_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

void PicturesTest::iconThemeSizes()
{
    QFETCH(int, size);
    const QString path = QString(DORVANTIX_ICON_THEME_DIR "/%1x%1/apps/dorvantix.png").arg(size);
    const QByteArray b = contents(path);
    QVERIFY2(b.startsWith("\x89PNG\r\n\x1a\n"), qPrintable(path));
    QCOMPARE(b.mid(12, 4), "IHDR");
    QCOMPARE(be32(b, 16), size);
    QCOMPARE(be32(b, 20), size);
    QCOMPARE(QImage(path).hasAlphaChannel(), true);
}

QTEST_MAIN(PicturesTest)
#include "pictures_test.moc"
