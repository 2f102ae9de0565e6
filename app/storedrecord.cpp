#include "storedrecord.h"

#include "entry/keptrecord.h"
#include "entry/resumefields.h"
#include "shell/settingsstore.h"

namespace app {

QStringList readStoredRecord()
{
    const shell::SettingsStore store;
    QStringList record;
    for (const entry::ResumeField &field : entry::resumeFields())
        record << store.read(QLatin1String(field.key));
    return record;
}

void replaceStoredRecord(const QStringList &record)
{
    const QStringList before = readStoredRecord();
    if (record == before)
        return;
    shell::SettingsStore store;
    // Kept before the first field changes, so a failure in between loses nothing.
    store.write(entry::KeptRecord::key(), entry::KeptRecord::encoded(before));
    const auto &fields = entry::resumeFields();
    for (int row = 0; row < entry::resumeFieldCount; ++row) {
        if (record.at(row) != before.at(row))
            store.write(QLatin1String(fields[static_cast<std::size_t>(row)].key), record.at(row));
    }
}

} // namespace app
