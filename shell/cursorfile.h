#pragma once

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QPoint>
#include <QString>

namespace shell {

// A pointer picture read from a Windows cursor file: the best picture the file
// holds (largest, then deepest) and its hot spot.
class CursorFile {
public:
    // Reads and decodes the cursor file at path; throws automation::Failure naming the
    // path and what is wrong when the file cannot be read or is damaged.
    static CursorFile read(const QString &path);

    // Decodes the bytes of a cursor file; name stands for the file in failure
    // descriptions. Throws automation::Failure when the bytes are damaged.
    static CursorFile fromBytes(const QByteArray &bytes, const QString &name);

    // The picture, 32 bits per pixel with alpha, at most 256 pixels each way.
    QImage image() const { return m_image; }

    // The hot spot in pixels from the picture's top-left corner.
    QPoint hotSpot() const { return m_hotSpot; }

    // A pointer made of the picture with the hot spot.
    QCursor cursor() const;

private:
    CursorFile(const QImage &image, const QPoint &hotSpot);

    QImage m_image;
    QPoint m_hotSpot;
};

// Reads the cursor file at path into a pointer; throws automation::Failure when it cannot.
QCursor readCursorFile(const QString &path);

} // namespace shell
