// Putting the record back after "Clear/Reset Data" or "Load Sample/Example
// Data" replaced it with one click.
#include "fieldbox.h"
#include "form1.h"
#include "keptrecord.h"
#include "resumefields.h"
#include "undobar.h"

#include "automation/failure.h"
#include "shell/settingsstore.h"
#include "shell/steps.h"

namespace entry {

QStringList Form1::currentRecord() const
{
    QStringList record;
    for (const FieldBox *box : m_fieldsByRow)
        record << box->text();
    return record;
}

void Form1::keepRecord(const std::optional<QStringList> &record)
{
    m_keptRecord = record;
    // Without the copy in the store the undo still works until the program
    // ends; the replacing command itself reports store failures.
    try {
        shell::SettingsStore().write(KeptRecord::key(), record ? KeptRecord::encoded(*record) : QString());
    } catch (const automation::Failure &) {
    }
}

void Form1::replaceRecord(const QString &procedure, const std::function<QString(int)> &valueOfRow,
                          const QString &message)
{
    const QStringList before = currentRecord();
    bool replaces = false;
    for (int row = 0; row < resumeFieldCount && !replaces; ++row)
        replaces = valueOfRow(row) != before.at(row);
    if (!replaces) {
        // Nothing will change: no store write, and whatever was on offer stays.
        setFields(procedure, valueOfRow);
        return;
    }
    // Kept before the first field changes, so a crash in between loses nothing.
    keepRecord(before);
    setFields(procedure, valueOfRow);
    m_undoBar->offer(message);
}

void Form1::undoReplacement()
{
    if (!m_keptRecord)
        return;
    const QStringList record = *m_keptRecord;
    setFields(QStringLiteral("Form1.Undo_Click"), [&record](int row) { return record.at(row); });
    m_undoBar->dismiss();
}

void Form1::offerKeptRecordFromLastRun()
{
    std::optional<QStringList> kept;
    try {
        kept = KeptRecord::decoded(shell::SettingsStore().read(KeptRecord::key()));
    } catch (const automation::Failure &) {
    }
    if (!kept)
        return;
    if (*kept == currentRecord()) {
        keepRecord(std::nullopt);
        return;
    }
    m_keptRecord = kept;
    m_undoBar->offer(QStringLiteral("The resume replaced before the program stopped is kept."));
}

} // namespace entry
