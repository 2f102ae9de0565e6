#pragma once

#include <QByteArray>
#include <QString>

namespace shell {

// Puts `bytes` at `path` by replacement: they are written to a fresh file
// beside it, checked to have reached that file whole (every write, the flush
// and the sync), and only then renamed over `path`. On any failure `path` is
// left exactly as it was and a automation::Failure names the path and the cause. A
// new file gets the ordinary permissions under the user's umask; a replaced
// file keeps its own. A link at `path` is followed, so the file it names is
// the one replaced.
void writeFileSafely(const QString &path, const QByteArray &bytes);

// Puts `bytes` at `path` by replacement as above, checked the same way, but
// returns as soon as every program would read the new file: the sync to stable
// storage is left to BackgroundSync. A process killed after the call loses
// nothing; a crash before, during or after it leaves the old file or the new
// one, never a part of either.
void replaceFileSyncingLater(const QString &path, const QByteArray &bytes);

// Copies the file `source` to `target` by replacement, as above. Fails, and
// leaves `target` as it was, when the source is missing, unreadable or empty,
// or when both names lead to the same file.
void copyFileSafely(const QString &source, const QString &target);

} // namespace shell
