#include "shell/cursorfile.h"
#include "automation/failure.h"
#include "support/testenvironment.h"

#include <QBuffer>
#include <QFile>
#include <QPixmap>
#include <QScopeGuard>
#include <gtest/gtest.h>

#include <functional>
#include <random>

namespace {

using PixelValue = std::function<quint32(int x, int y)>;

QByteArray le16(quint32 value)
{
    return QByteArray(1, char(value & 0xff)) + char(value >> 8 & 0xff);
}

QByteArray le32(quint32 value)
{
    return le16(value & 0xffff) + le16(value >> 16);
}

void putLe32(QByteArray &bytes, int at, quint32 value)
{
    bytes.replace(at, 4, le32(value));
}

// Rows bottom-up, each padded to 32 bits, pixels packed high bits first.
QByteArray packRows(int width, int height, int bits, const PixelValue &value)
{
    const int stride = (width * bits + 31) / 32 * 4;
    QByteArray rows(stride * height, '\0');
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            const quint32 v = value(x, height - 1 - row);
            const int at = row * stride + x * bits / 8;
            if (bits < 8)
                rows[at] = char(uchar(rows[at]) | v << (8 - bits - (x * bits) % 8));
            for (int k = 0; bits >= 8 && k < bits / 8; ++k)
                rows[at + k] = char(v >> (8 * k) & 0xff);
        }
    }
    return rows;
}

struct Picture {
    QByteArray data;
    QPoint hotSpot;
};

QByteArray dib(int width, int height, int bits, const QByteArray &palette, const PixelValue &colour,
               const PixelValue &transparent)
{
    QByteArray header = le32(40) + le32(width) + le32(height * 2) + le16(1) + le16(bits);
    header += le32(0) + le32(0) + le32(0) + le32(0) + le32(0) + le32(0);
    return header + palette + packRows(width, height, bits, colour) + packRows(width, height, 1, transparent);
}

QByteArray cursorFile(const QList<Picture> &pictures)
{
    QByteArray directory = le16(0) + le16(2) + le16(pictures.size());
    QByteArray data;
    const int dataStart = 6 + 16 * pictures.size();
    for (const Picture &picture : pictures) {
        directory += QByteArray(4, '\0') + le16(picture.hotSpot.x()) + le16(picture.hotSpot.y());
        directory += le32(picture.data.size()) + le32(dataStart + data.size());
        data += picture.data;
    }
    return directory + data;
}

QByteArray greyPalette(int count)
{
    QByteArray palette;
    for (int i = 0; i < count; ++i)
        palette += le32(qRgb(i * 255 / (count - 1), i * 255 / (count - 1), i * 255 / (count - 1)));
    return palette;
}

// Top-left quarter white, rest black; bottom eight rows transparent.
Picture monochrome()
{
    const PixelValue colour = [](int x, int y) { return quint32(x < 16 && y < 16); };
    const PixelValue transparent = [](int, int y) { return quint32(y >= 24); };
    return {dib(32, 32, 1, greyPalette(2), colour, transparent), QPoint(9, 1)};
}

// Left half half-transparent blue, right half opaque green, top four rows clear.
Picture trueColour()
{
    const PixelValue colour = [](int x, int y) {
        if (y < 4)
            return qRgba(0, 0, 0, 0);
        return x < 16 ? qRgba(0, 0, 255, 128) : qRgba(0, 255, 0, 255);
    };
    const PixelValue transparent = [](int, int) { return 0u; };
    return {dib(32, 32, 32, QByteArray(), colour, transparent), QPoint(7, 3)};
}

QByteArray pngBytes(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QImage pattern(int side)
{
    QImage image(side, side, QImage::Format_ARGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, qRgba(x * 8, y * 8, 40, x < side / 2 ? 255 : 0));
    return image;
}

shell::CursorFile decode(const QByteArray &bytes)
{
    return shell::CursorFile::fromBytes(bytes, QStringLiteral("test.cur"));
}

QColor pixel(const shell::CursorFile &cursor, int x, int y)
{
    return cursor.image().pixelColor(x, y);
}

TEST(CursorFile, MonochromePictureKeepsColoursMaskAndHotSpot)
{
    const shell::CursorFile cursor = decode(cursorFile({monochrome()}));
    EXPECT_EQ(cursor.image().size(), QSize(32, 32));
    EXPECT_EQ(cursor.hotSpot(), QPoint(9, 1));
    EXPECT_EQ(pixel(cursor, 5, 5), QColor(Qt::white));
    EXPECT_EQ(pixel(cursor, 20, 5), QColor(Qt::black));
    EXPECT_EQ(pixel(cursor, 5, 20), QColor(Qt::black));
    EXPECT_EQ(pixel(cursor, 5, 30).alpha(), 0);
    EXPECT_EQ(pixel(cursor, 31, 23).alpha(), 255);
}

TEST(CursorFile, TrueColourPictureKeepsItsAlpha)
{
    const shell::CursorFile cursor = decode(cursorFile({trueColour()}));
    EXPECT_EQ(cursor.hotSpot(), QPoint(7, 3));
    EXPECT_EQ(pixel(cursor, 2, 10), QColor(0, 0, 255, 128));
    EXPECT_EQ(pixel(cursor, 20, 10), QColor(0, 255, 0, 255));
    EXPECT_EQ(pixel(cursor, 20, 2).alpha(), 0);
}

TEST(CursorFile, TrueColourPictureWithoutAlphaUsesTheMask)
{
    const PixelValue colour = [](int, int) { return quint32(0x00336699); };
    const PixelValue transparent = [](int x, int) { return quint32(x < 10); };
    const shell::CursorFile cursor = decode(cursorFile({{dib(16, 16, 32, QByteArray(), colour, transparent), QPoint()}}));
    EXPECT_EQ(pixel(cursor, 3, 3).alpha(), 0);
    EXPECT_EQ(pixel(cursor, 12, 3), QColor(0x33, 0x66, 0x99, 255));
}

TEST(CursorFile, PalettedAndDirectDepthsDecode)
{
    const PixelValue opaque = [](int, int) { return 0u; };
    const PixelValue nibble = [](int x, int y) { return quint32((x + y) % 16); };
    const PixelValue index = [](int x, int y) { return quint32(x + 16 * y); };
    const PixelValue direct = [](int x, int y) { return qRgb(x * 10, y * 10, 99); };
    const shell::CursorFile four = decode(cursorFile({{dib(16, 16, 4, greyPalette(16), nibble, opaque), QPoint()}}));
    const shell::CursorFile eight = decode(cursorFile({{dib(16, 16, 8, greyPalette(256), index, opaque), QPoint()}}));
    const shell::CursorFile rgb = decode(cursorFile({{dib(15, 16, 24, QByteArray(), direct, opaque), QPoint()}}));
    EXPECT_EQ(pixel(four, 3, 2), QColor(85, 85, 85));
    EXPECT_EQ(pixel(four, 0, 15), QColor(255, 255, 255));
    EXPECT_EQ(pixel(eight, 4, 1), QColor(20, 20, 20));
    EXPECT_EQ(pixel(eight, 15, 15), QColor(255, 255, 255));
    EXPECT_EQ(pixel(rgb, 14, 3), QColor(140, 30, 99));
    EXPECT_EQ(pixel(rgb, 0, 15), QColor(0, 150, 99));
}

TEST(CursorFile, PngPictureDecodes)
{
    const shell::CursorFile cursor = decode(cursorFile({{pngBytes(pattern(24)), QPoint(12, 11)}}));
    EXPECT_EQ(cursor.hotSpot(), QPoint(12, 11));
    EXPECT_EQ(pixel(cursor, 3, 5), QColor(24, 40, 40, 255));
    EXPECT_EQ(pixel(cursor, 20, 5).alpha(), 0);
}

TEST(CursorFile, LargestThenDeepestPictureIsChosen)
{
    const PixelValue black = [](int, int) { return 0u; };
    const Picture small{dib(16, 16, 8, greyPalette(256), black, black), QPoint(1, 1)};
    const shell::CursorFile cursor = decode(cursorFile({small, monochrome(), trueColour()}));
    EXPECT_EQ(cursor.hotSpot(), QPoint(7, 3));
    EXPECT_EQ(pixel(cursor, 2, 10), QColor(0, 0, 255, 128));
}

TEST(CursorFile, CursorCarriesPictureAndHotSpot)
{
    const QCursor cursor = decode(cursorFile({trueColour()})).cursor();
    EXPECT_EQ(cursor.hotSpot(), QPoint(7, 3));
    const QImage image = cursor.pixmap().toImage();
    ASSERT_EQ(image.size(), QSize(32, 32));
    EXPECT_EQ(image.pixelColor(20, 10), QColor(0, 255, 0));
    EXPECT_EQ(image.pixelColor(20, 1).alpha(), 0);
}

TEST(CursorFile, FixtureFileReadsFromDisk)
{
    const QCursor cursor = shell::readCursorFile(QStringLiteral(PARVOLIN_TEST_DATA "/shell/hand.cur"));
    EXPECT_EQ(cursor.hotSpot(), QPoint(9, 1));
    EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
}

void expectFailure(const std::function<void()> &action, const QString &path, const QString &what)
{
    try {
        action();
        ADD_FAILURE() << "no failure; expected " << what.toStdString();
    } catch (const automation::Failure &failure) {
        EXPECT_TRUE(failure.description().contains(path)) << failure.description().toStdString();
        EXPECT_TRUE(failure.description().contains(what)) << failure.description().toStdString();
    }
}

TEST(CursorFile, UnreadableFilesAreDescribed)
{
    const QString folder = testsupport::freshFolder(QStringLiteral("cursors"));
    const QString missing = folder + QStringLiteral("/missing.cur");
    expectFailure([&] { shell::readCursorFile(missing); }, missing, QStringLiteral("Cannot read"));
    expectFailure([&] { shell::readCursorFile(folder); }, folder, QStringLiteral("Cannot read"));
    const QString huge = folder + QStringLiteral("/huge.cur");
    QFile file(huge);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(64 * 1024 * 1024));
    file.close();
    expectFailure([&] { shell::readCursorFile(huge); }, huge, QStringLiteral("too large"));
}

struct Malformed {
    const char *name;
    std::function<QByteArray()> bytes;
    const char *what;
};

QByteArray withChange(const std::function<void(QByteArray &)> &change)
{
    QByteArray bytes = cursorFile({monochrome()});
    change(bytes);
    return bytes;
}

QByteArray dibWith(int width, int height, int bits, quint32 compression = 0, quint32 coloursUsed = 0)
{
    const PixelValue zero = [](int, int) { return 0u; };
    const int side = qBound(1, width, 64);
    QByteArray data = dib(side, qBound(1, height, 64), bits, greyPalette(bits <= 8 ? 1 << bits : 2), zero, zero);
    putLe32(data, 4, quint32(width));
    putLe32(data, 8, quint32(height * 2));
    putLe32(data, 16, compression);
    putLe32(data, 32, coloursUsed);
    return cursorFile({{data, QPoint()}});
}

const int entryAt = 6;
const int dataAt = 22;

const Malformed malformedFiles[] = {
    {"empty", [] { return QByteArray(); }, "too short for a cursor header"},
    {"reserved", [] { return withChange([](QByteArray &b) { b[0] = 1; }); }, "does not start with zero"},
    {"icon", [] { return withChange([](QByteArray &b) { b[2] = 1; }); }, "icons, not cursors"},
    {"type", [] { return withChange([](QByteArray &b) { b[2] = 7; }); }, "type 7"},
    {"no pictures", [] { return withChange([](QByteArray &b) { b[4] = 0; }); }, "no pictures"},
    {"directory", [] { return withChange([](QByteArray &b) { b[4] = 100; }); }, "runs past the end"},
    {"offset", [] { return withChange([](QByteArray &b) { putLe32(b, entryAt + 12, 0xfffffff0u); }); }, "outside the file"},
    {"length", [] { return withChange([](QByteArray &b) { putLe32(b, entryAt + 8, 0xffffffffu); }); }, "outside the file"},
    {"zero length", [] { return withChange([](QByteArray &b) { putLe32(b, entryAt + 8, 0); }); }, "is empty"},
    {"overlap", [] { return withChange([](QByteArray &b) { putLe32(b, entryAt + 12, 2); }); }, "overlaps the directory"},
    {"header cut", [] { return withChange([](QByteArray &b) { putLe32(b, entryAt + 8, 20); }); }, "too short for a bitmap header"},
    {"header size", [] { return withChange([](QByteArray &b) { putLe32(b, dataAt, 12); }); }, "has a bitmap header of 12 bytes"},
    {"header huge", [] { return withChange([](QByteArray &b) { putLe32(b, dataAt, 0x7fffffff); }); }, "palette that runs past"},
    {"rows cut", [] { return withChange([](QByteArray &b) { b.chop(200); putLe32(b, entryAt + 8, b.size() - dataAt); }); }, "pixel rows cut short"},
    {"mask cut", [] { return withChange([](QByteArray &b) { b.chop(10); putLe32(b, entryAt + 8, b.size() - dataAt); }); }, "transparency mask cut short"},
    {"hot spot", [] { return withChange([](QByteArray &b) { b[entryAt + 4] = 32; }); }, "hot spot (32, 1)"},
    {"zero width", [] { return dibWith(0, 32, 1); }, "1 to 256 pixels"},
    {"wide", [] { return dibWith(300, 32, 1); }, "1 to 256 pixels"},
    {"absurd", [] { return dibWith(0x7fffffff, 0x3fffffff, 32); }, "1 to 256 pixels"},
    {"upside down", [] { return dibWith(32, -32, 1); }, "1 to 256 pixels"},
    {"sixteen bits", [] { return dibWith(8, 8, 16); }, "not supported"},
    {"compressed", [] { return dibWith(8, 8, 8, 1); }, "compressed (method 1)"},
    {"palette", [] { return dibWith(8, 8, 4, 0, 300); }, "palette of 300 colours"},
    {"colour index", [] {
         const PixelValue nine = [](int, int) { return 9u; };
         QByteArray data = dib(8, 8, 8, greyPalette(2), nine, [](int, int) { return 0u; });
         putLe32(data, 32, 2);
         return cursorFile({{data, QPoint()}});
     }, "uses colour 9 of a palette of 2"},
    {"png cut", [] { QByteArray png = pngBytes(pattern(8)).left(20); return cursorFile({{png, QPoint()}}); }, "too short for a PNG header"},
    {"png size", [] { QByteArray png = pngBytes(pattern(8)); png.replace(16, 4, QByteArray("\0\0\x03\xe8", 4)); return cursorFile({{png, QPoint()}}); }, "1 to 256 pixels"},
    {"png colour", [] { QByteArray png = pngBytes(pattern(8)); png[25] = 5; return cursorFile({{png, QPoint()}}); }, "colour type 5"},
    {"png body", [] { QByteArray png = pngBytes(pattern(8)); png.chop(30); return cursorFile({{png, QPoint()}}); }, "cannot be decoded"},
};

TEST(CursorFile, MalformedFilesAreDescribedNotCrashedOn)
{
    for (const Malformed &sample : malformedFiles) {
        SCOPED_TRACE(sample.name);
        expectFailure([&] { decode(sample.bytes()); }, QStringLiteral("\"test.cur\""), QString::fromUtf8(sample.what));
    }
}

QByteArray mutated(QByteArray bytes, std::mt19937 &random)
{
    const int changes = 1 + int(random() % 4);
    for (int i = 0; i < changes && !bytes.isEmpty(); ++i) {
        const int at = int(random() % quint32(bytes.size()));
        switch (random() % 4) {
        case 0: bytes[at] = char(random()); break;
        case 1: bytes.truncate(at); break;
        case 2: bytes.insert(at, QByteArray(1 + int(random() % 8), char(random()))); break;
        default:
            if (at + 4 <= bytes.size())
                putLe32(bytes, at, random() % 2 ? 0xffffffffu : random() % 512);
        }
    }
    return bytes;
}

// Qt warns about many damaged PNG pictures; thousands of those lines
// would bury the test's own output.
void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

TEST(CursorFile, MutatedFilesEitherDecodeOrFailCleanly)
{
    const QtMessageHandler previous = qInstallMessageHandler(dropMessage);
    const auto restore = qScopeGuard([previous] { qInstallMessageHandler(previous); });
    const PixelValue index = [](int x, int y) { return quint32(x * y % 16); };
    const PixelValue none = [](int, int) { return 0u; };
    const QByteArray samples[] = {
        cursorFile({monochrome()}),
        cursorFile({trueColour()}),
        cursorFile({{pngBytes(pattern(16)), QPoint(2, 2)}}),
        cursorFile({{dib(8, 8, 4, greyPalette(16), index, none), QPoint(1, 1)}, monochrome()}),
    };
    std::mt19937 random(20261208);
    int decoded = 0;
    for (int run = 0; run < 4000; ++run) {
        const QByteArray bytes = mutated(samples[run % 4], random);
        try {
            const shell::CursorFile cursor = decode(bytes);
            ++decoded;
            EXPECT_LE(cursor.image().width(), 256);
            EXPECT_LE(cursor.image().height(), 256);
            EXPECT_TRUE(cursor.image().rect().contains(cursor.hotSpot()));
        } catch (const automation::Failure &failure) {
            EXPECT_TRUE(failure.description().contains(QStringLiteral("test.cur")));
        }
    }
    EXPECT_GT(decoded, 0);
}

} // namespace
