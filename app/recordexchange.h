#pragma once

#include <QString>
#include <QTextStream>

namespace app {

// "--export FILE": writes the stored record to `file` ("-" for `out`) as a
// JSON Resume document, by checked replacement. Returns the exit status:
// 0, or 1 with the reason on `err`.
int exportRecord(const QString &file, QTextStream &out, QTextStream &err);

// "--import FILE": fills the stored record from the JSON Resume document in
// `file` ("-" for standard input), keeping the record it replaces for the
// Undo the next start offers, and lists on `err` what the record has no
// place for. A file that is not such a document changes nothing and is
// refused on `err`, naming the place of the fault. Returns 0 or 1.
int importRecord(const QString &file, QTextStream &err);

} // namespace app
