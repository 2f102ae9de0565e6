#pragma once

// A fidelity record generated as the program does, by the engine selected
// now, and saved.
#include "fidelityrecords.h"

#include <QByteArray>
#include <QString>
#include <ostream>

// The two papers every record is made on.
inline const char *const recordPapers[] = {"letter", "a4"};

// Names a record on a paper in file names, test names and the saved files.
QString onPaper(const FidelityRecord &record, const char *paper);

// Test names and failure messages show a record by its name.
void PrintTo(const FidelityRecord &record, std::ostream *out);

// Generates `record` on `paper` and saves it as `fileName` (its extension, or
// `fileFormat` when given, chooses the format) in a fresh folder. Returns the
// saved file's bytes, or nothing when the generator reported a failure (its
// reports then go to `failure` when given).
QByteArray savedRecord(const FidelityRecord &record, const char *paper, const QString &fileName,
                       long fileFormat = -1, QString *failure = nullptr);
