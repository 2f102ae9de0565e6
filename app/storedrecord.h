#pragma once

#include <QStringList>

namespace app {

// The 34 field texts in the settings store, in on-screen order. Throws
// automation::Failure when the store cannot be read or a value is damaged.
QStringList readStoredRecord();

// Puts `record` in the store as the data-entry window's Clear does: the record
// it replaces is kept first, for the Undo the next start offers, and then only
// the fields that change are written. Nothing is written when nothing
// changes. Throws automation::Failure when a write fails.
void replaceStoredRecord(const QStringList &record);

} // namespace app
