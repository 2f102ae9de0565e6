#pragma once

#include <QString>
#include <QTextStream>

namespace app {

// Whether "--make" writes a file of this name: .doc, .docx, .rtf or .pdf.
bool makesFileNamed(const QString &file);

// "--make FILE": builds the resume document from the stored record with the
// selected engine, as the create command does, without showing a window, and
// puts it at `file` in the format its extension names, by checked
// replacement. Returns 0, or 1 with the program's error report on `err`
// (the file is then left as it was).
int makeDocument(const QString &file, QTextStream &err);

} // namespace app
