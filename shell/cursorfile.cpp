#include "cursorfile.h"

#include "automation/failure.h"

#include <QFile>
#include <QList>
#include <QPair>
#include <QPixmap>

namespace shell {

namespace {

const int largestSide = 256;
const qint64 largestFileBytes = 16 * 1024 * 1024;
const qint64 headerBytes = 6;
const qint64 entryBytes = 16;
const qint64 dibHeaderBytes = 40;
const qint64 pngHeaderBytes = 33;
const QByteArray pngSignature("\x89PNG\r\n\x1a\n", 8);

// What is wrong with the bytes; turned into a automation::Failure naming the file.
struct Damage {
    QString what;
};

// A bounded view of the file's bytes: every read is checked against its end,
// so no damaged offset can lead outside the file.
class ByteView {
public:
    explicit ByteView(const QByteArray &bytes)
        : m_data(reinterpret_cast<const uchar *>(bytes.constData())), m_size(bytes.size())
    {
    }

    qint64 size() const { return m_size; }

    ByteView part(qint64 offset, qint64 length, const QString &what) const
    {
        if (offset < 0 || length < 0 || offset > m_size || length > m_size - offset)
            throw Damage{what};
        return ByteView(m_data + offset, length);
    }

    quint32 byte(qint64 at) const { return part(at, 1, QStringLiteral("a read runs past the end")).m_data[0]; }
    quint32 le16(qint64 at) const { return byte(at) | byte(at + 1) << 8; }
    quint32 le32(qint64 at) const { return le16(at) | le16(at + 2) << 16; }
    quint32 be32(qint64 at) const { return byte(at) << 24 | byte(at + 1) << 16 | byte(at + 2) << 8 | byte(at + 3); }
    QByteArray bytes() const { return QByteArray(reinterpret_cast<const char *>(m_data), m_size); }
    bool startsWith(const QByteArray &prefix) const { return bytes().startsWith(prefix); }

private:
    ByteView(const uchar *data, qint64 size) : m_data(data), m_size(size) {}

    const uchar *m_data;
    qint64 m_size;
};

struct Entry {
    int number;
    QPoint hotSpot;
    ByteView data;
};

struct Shape {
    int width;
    int height;
    int depth;
    bool png;
};

QString dimensions(int width, int height)
{
    return QStringLiteral("%1×%2").arg(width).arg(height);
}

void checkHeader(const ByteView &file)
{
    if (file.size() < headerBytes)
        throw Damage{QStringLiteral("the file is too short for a cursor header")};
    if (file.le16(0) != 0)
        throw Damage{QStringLiteral("the header does not start with zero")};
    if (file.le16(2) == 1)
        throw Damage{QStringLiteral("it holds icons, not cursors")};
    if (file.le16(2) != 2)
        throw Damage{QStringLiteral("the header has type %1 where a cursor has 2").arg(file.le16(2))};
    if (file.le16(4) == 0)
        throw Damage{QStringLiteral("it holds no pictures")};
}

Entry readEntry(const ByteView &file, int number, qint64 directoryEnd)
{
    const qint64 at = headerBytes + number * entryBytes;
    const QPoint hotSpot(int(file.le16(at + 4)), int(file.le16(at + 6)));
    const qint64 length = file.le32(at + 8);
    const qint64 offset = file.le32(at + 12);
    const QString where = QStringLiteral("picture %1 (offset %2, %3 bytes)").arg(number + 1).arg(offset).arg(length);
    if (length == 0)
        throw Damage{where + QStringLiteral(" is empty")};
    if (offset < directoryEnd)
        throw Damage{where + QStringLiteral(" overlaps the directory")};
    return Entry{number + 1, hotSpot, file.part(offset, length, where + QStringLiteral(" lies outside the file"))};
}

QList<Entry> readDirectory(const ByteView &file)
{
    checkHeader(file);
    const int count = int(file.le16(4));
    const qint64 directoryEnd = headerBytes + count * entryBytes;
    if (directoryEnd > file.size())
        throw Damage{QStringLiteral("the directory of %1 pictures runs past the end of the file").arg(count)};
    QList<Entry> entries;
    for (int number = 0; number < count; ++number)
        entries.append(readEntry(file, number, directoryEnd));
    return entries;
}

void checkSize(const Entry &entry, qint64 width, qint64 height)
{
    if (width < 1 || height < 1 || width > largestSide || height > largestSide)
        throw Damage{QStringLiteral("picture %1 is %2 pixels; a cursor is 1 to %3 pixels each way")
                         .arg(entry.number).arg(QStringLiteral("%1×%2").arg(width).arg(height)).arg(largestSide)};
}

int pngChannels(const Entry &entry, quint32 colourType)
{
    switch (colourType) {
    case 0: return 1;
    case 2: return 3;
    case 3: return 1;
    case 4: return 2;
    case 6: return 4;
    }
    throw Damage{QStringLiteral("picture %1 has PNG colour type %2, which does not exist").arg(entry.number).arg(colourType)};
}

Shape pngShape(const Entry &entry)
{
    const ByteView header = entry.data.part(0, pngHeaderBytes,
                                            QStringLiteral("picture %1 is too short for a PNG header").arg(entry.number));
    if (header.part(12, 4, QString()).bytes() != "IHDR")
        throw Damage{QStringLiteral("picture %1 is a PNG without its header chunk").arg(entry.number)};
    const qint64 width = header.be32(16);
    const qint64 height = header.be32(20);
    checkSize(entry, width, height);
    return Shape{int(width), int(height), int(header.byte(24)) * pngChannels(entry, header.byte(25)), true};
}

Shape dibShape(const Entry &entry)
{
    const ByteView header = entry.data.part(0, dibHeaderBytes,
                                            QStringLiteral("picture %1 is too short for a bitmap header").arg(entry.number));
    const qint64 width = qint32(header.le32(4));
    const qint64 height = qint32(header.le32(8)) / 2;
    checkSize(entry, width, height);
    return Shape{int(width), int(height), int(header.le16(14)), false};
}

Shape shapeOf(const Entry &entry)
{
    return entry.data.startsWith(pngSignature) ? pngShape(entry) : dibShape(entry);
}

bool isBetter(const Shape &candidate, const Shape &best)
{
    const int candidateArea = candidate.width * candidate.height;
    const int bestArea = best.width * best.height;
    return candidateArea > bestArea || (candidateArea == bestArea && candidate.depth > best.depth);
}

QImage decodePng(const Entry &entry, const Shape &shape)
{
    QImage image;
    if (!image.loadFromData(entry.data.bytes(), "PNG"))
        throw Damage{QStringLiteral("picture %1 is a PNG that cannot be decoded").arg(entry.number)};
    if (image.width() != shape.width || image.height() != shape.height)
        throw Damage{QStringLiteral("picture %1 decodes to %2 pixels, not the %3 its header gives")
                         .arg(entry.number).arg(dimensions(image.width(), image.height()), dimensions(shape.width, shape.height))};
    return image.convertToFormat(QImage::Format_ARGB32);
}

// The pixel rows of a bitmap picture: colours, then the transparency mask.
// Rows are stored bottom-up, each padded to a multiple of 32 bits.
class DibPixels {
public:
    DibPixels(const Entry &entry, const Shape &shape)
        : m_entry(entry), m_shape(shape), m_palette(entry.data.part(0, 0, QString())),
          m_colours(m_palette), m_mask(m_palette)
    {
        checkFormat(entry.data.le16(14), entry.data.le32(16));
        locateParts(entry.data, headerSize(entry.data));
    }

    QImage image() const
    {
        QImage image(m_shape.width, m_shape.height, QImage::Format_ARGB32);
        if (image.isNull())
            throw Damage{describe(QStringLiteral("needs more memory than there is"))};
        const bool ownAlpha = m_shape.depth == 32 && hasAlpha();
        if (!ownAlpha && !m_hasMask)
            throw Damage{describe(QStringLiteral("has its transparency mask cut short"))};
        for (int y = 0; y < m_shape.height; ++y) {
            for (int x = 0; x < m_shape.width; ++x) {
                const QRgb colour = colourAt(x, y);
                image.setPixel(x, y, ownAlpha ? colour : qRgba(qRed(colour), qGreen(colour), qBlue(colour), maskAlpha(x, y)));
            }
        }
        return image;
    }

private:
    QString describe(const QString &what) const
    {
        return QStringLiteral("picture %1 (%2 pixels, %3 bits per pixel) ").arg(m_entry.number)
                   .arg(dimensions(m_shape.width, m_shape.height)).arg(m_shape.depth) + what;
    }

    qint64 headerSize(const ByteView &data) const
    {
        const qint64 size = data.le32(0);
        if (size < dibHeaderBytes)
            throw Damage{describe(QStringLiteral("has a bitmap header of %1 bytes").arg(size))};
        return size;
    }

    // Every part is checked against the picture's own bytes before any pixel is read.
    void locateParts(const ByteView &data, qint64 paletteAt)
    {
        m_paletteCount = paletteCount(data.le32(32));
        m_palette = data.part(paletteAt, m_paletteCount * 4, describe(QStringLiteral("has a palette that runs past its end")));
        const qint64 coloursAt = paletteAt + m_palette.size();
        m_colours = data.part(coloursAt, stride(m_shape.depth) * m_shape.height,
                              describe(QStringLiteral("has its pixel rows cut short")));
        const qint64 maskAt = coloursAt + m_colours.size();
        m_hasMask = data.size() - maskAt >= stride(1) * m_shape.height;
        if (m_hasMask)
            m_mask = data.part(maskAt, stride(1) * m_shape.height, QString());
    }

    void checkFormat(quint32 depth, quint32 compression) const
    {
        if (depth != 1 && depth != 4 && depth != 8 && depth != 24 && depth != 32)
            throw Damage{describe(QStringLiteral("has a colour depth that is not supported"))};
        if (compression != 0)
            throw Damage{describe(QStringLiteral("is compressed (method %1), which is not supported").arg(compression))};
    }

    // Deep pictures may carry an optional palette; it is skipped, never used.
    qint64 paletteCount(quint32 used) const
    {
        if (m_shape.depth > 8)
            return used;
        const qint64 full = qint64(1) << m_shape.depth;
        if (used > full)
            throw Damage{describe(QStringLiteral("has a palette of %1 colours").arg(used))};
        return used == 0 ? full : used;
    }

    qint64 stride(int depth) const { return (qint64(m_shape.width) * depth + 31) / 32 * 4; }

    qint64 rowStart(int y, int depth) const { return (m_shape.height - 1 - y) * stride(depth); }

    quint32 indexAt(int x, int y) const
    {
        const int depth = m_shape.depth;
        const quint32 packed = m_colours.byte(rowStart(y, depth) + qint64(x) * depth / 8);
        const int shift = 8 - depth - (x * depth) % 8;
        return (packed >> shift) & ((1u << depth) - 1);
    }

    QRgb paletteColour(quint32 index) const
    {
        if (index >= m_paletteCount)
            throw Damage{describe(QStringLiteral("uses colour %1 of a palette of %2").arg(index).arg(m_paletteCount))};
        return qRgb(int(m_palette.byte(index * 4 + 2)), int(m_palette.byte(index * 4 + 1)), int(m_palette.byte(index * 4)));
    }

    QRgb colourAt(int x, int y) const
    {
        if (m_shape.depth <= 8)
            return paletteColour(indexAt(x, y));
        const qint64 at = rowStart(y, m_shape.depth) + qint64(x) * m_shape.depth / 8;
        const int alpha = m_shape.depth == 32 ? int(m_colours.byte(at + 3)) : 255;
        return qRgba(int(m_colours.byte(at + 2)), int(m_colours.byte(at + 1)), int(m_colours.byte(at)), alpha);
    }

    // Pictures written before alpha existed leave every alpha byte at zero and
    // rely on the mask; reading their alpha would make them invisible.
    bool hasAlpha() const
    {
        for (int y = 0; y < m_shape.height; ++y)
            for (int x = 0; x < m_shape.width; ++x)
                if (qAlpha(colourAt(x, y)) != 0)
                    return true;
        return false;
    }

    int maskAlpha(int x, int y) const
    {
        const quint32 packed = m_mask.byte(rowStart(y, 1) + x / 8);
        return (packed >> (7 - x % 8)) & 1 ? 0 : 255;
    }

    const Entry &m_entry;
    Shape m_shape;
    ByteView m_palette;
    ByteView m_colours;
    ByteView m_mask;
    qint64 m_paletteCount = 0;
    bool m_hasMask = false;
};

QImage decode(const Entry &entry, const Shape &shape)
{
    return shape.png ? decodePng(entry, shape) : DibPixels(entry, shape).image();
}

QPair<QImage, QPoint> decodeBest(const ByteView &file)
{
    const QList<Entry> entries = readDirectory(file);
    qsizetype best = 0;
    Shape bestShape = shapeOf(entries.first());
    for (qsizetype i = 1; i < entries.size(); ++i) {
        const Shape shape = shapeOf(entries.at(i));
        if (isBetter(shape, bestShape)) {
            best = i;
            bestShape = shape;
        }
    }
    const Entry &entry = entries.at(best);
    if (entry.hotSpot.x() >= bestShape.width || entry.hotSpot.y() >= bestShape.height)
        throw Damage{QStringLiteral("the hot spot (%1, %2) lies outside the %3 picture")
                         .arg(entry.hotSpot.x()).arg(entry.hotSpot.y()).arg(dimensions(bestShape.width, bestShape.height))};
    return {decode(entry, bestShape), entry.hotSpot};
}

} // namespace

CursorFile::CursorFile(const QImage &image, const QPoint &hotSpot) : m_image(image), m_hotSpot(hotSpot) {}

CursorFile CursorFile::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw automation::Failure(QStringLiteral("Cannot read the cursor file \"%1\": %2.").arg(path, file.errorString()));
    if (file.size() > largestFileBytes)
        throw automation::Failure(QStringLiteral("Cannot read the cursor file \"%1\": it is too large (%2 bytes) to be a cursor.")
                          .arg(path).arg(file.size()));
    const QByteArray bytes = file.read(largestFileBytes + 1);
    if (file.error() != QFileDevice::NoError)
        throw automation::Failure(QStringLiteral("Cannot read the cursor file \"%1\": %2.").arg(path, file.errorString()));
    return fromBytes(bytes, path);
}

CursorFile CursorFile::fromBytes(const QByteArray &bytes, const QString &name)
{
    try {
        const QPair<QImage, QPoint> picture = decodeBest(ByteView(bytes));
        return CursorFile(picture.first, picture.second);
    } catch (const Damage &damage) {
        throw automation::Failure(QStringLiteral("The cursor file \"%1\" is damaged: %2.").arg(name, damage.what));
    }
}

QCursor CursorFile::cursor() const
{
    return QCursor(QPixmap::fromImage(m_image), m_hotSpot.x(), m_hotSpot.y());
}

QCursor readCursorFile(const QString &path)
{
    return CursorFile::read(path).cursor();
}

} // namespace shell
