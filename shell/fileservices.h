#pragma once

#include <QString>
#include <QVariant>

#include <functional>

namespace shell {

// True when the modification time of the file or folder at path can be read.
// Never throws and never reports.
bool FileExists(const QString &path);

// Lets pending events run once, then deletes the file at path, falling back
// to ForceDeleteFile; ignores every failure. Never removes a folder.
void DeleteFileQuietly(const QString &path);

// Makes the file at path writable, then removes it. Returns an empty value;
// throws automation::Failure naming the path and the cause when the file stays.
QVariant ForceDeleteFile(const QString &path);

// DeleteFileQuietly with the first, plain delete supplied by the caller, which
// returns whether it removed the file. Lets tests exercise the fallback.
void deleteFileQuietlyWith(const QString &path,
                           const std::function<bool(const QString &)> &plainDelete);

} // namespace shell
