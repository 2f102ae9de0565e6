#pragma once

#include "shell/dialogs.h"

#include <QStringList>

namespace app {

// The message boxes of a run without a window: nothing is shown and nobody
// is asked. Error reports are kept for the terminal; a question is answered
// Yes, since the command asked for the work to be done.
class CollectedReports : public shell::Dialogs {
public:
    shell::MessageAnswer message(const shell::MessageRequest &request) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &folder) override;
    bool setUpPrinter(QPrinter &printer) override;

    // The text of every error report so far, line breaks as "\n".
    const QStringList &errorReports() const { return m_errorReports; }
    // The text of every other message so far.
    const QStringList &notes() const { return m_notes; }

private:
    QStringList m_errorReports;
    QStringList m_notes;
};

} // namespace app
