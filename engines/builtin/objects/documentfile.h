#pragma once

#include <QByteArray>
#include <QString>

namespace automation {
class Failure;
}

namespace engine {

// Reads and writes whole document files, failing with a automation::Failure that names
// the path and the cause.
class DocumentFile {
public:
    // Files larger than this are refused rather than read into memory.
    static constexpr qint64 largestBytes = 64 * 1024 * 1024;

    // Writes `bytes` to a fresh file beside `path` and, once every byte is
    // there, renames it over `path`: a failure leaves whatever was at `path`
    // and no part of a file. The file is not synced to the disk, since the
    // program saves documents only into files of its own, and the copy it
    // makes of one for the user is the one that must survive a power cut.
    static void write(const QString &path, const QByteArray &bytes);
    static QByteArray read(const QString &path);
    // The failure to open `path`, with `cause` as the reason.
    static automation::Failure openError(const QString &path, const QString &cause);
};

} // namespace engine
