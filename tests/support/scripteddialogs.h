#pragma once

#include "shell/dialogs.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace testsupport {

// Stands in for the user: records every box the program shows and answers
// from a queue (OK, or No for a Yes/No box, when the queue is empty). It is
// installed for its lifetime.
class ScriptedDialogs : public shell::Dialogs {
public:
    ScriptedDialogs();
    ~ScriptedDialogs() override;

    shell::MessageAnswer message(const shell::MessageRequest &request) override;
    QString saveFileName(const QString &title, const QString &filter, const QString &folder) override;
    // Prints into the PDF file queued by printToFileNext, or cancels.
    bool setUpPrinter(QPrinter &printer) override;
    void printToFileNext(const QString &path) { m_printFiles.push_back(path); }

    void answerNext(shell::MessageAnswer answer) { m_answers.push_back(answer); }
    void chooseFileNext(const QString &name) { m_fileNames.push_back(name); }

    const std::vector<shell::MessageRequest> &messages() const { return m_messages; }
    // The texts of every error report shown so far.
    QStringList errorReports() const;
    void clear() { m_messages.clear(); }
    // The folders the save dialogs opened in, in order.
    const QStringList &saveFolders() const { return m_saveFolders; }
    // The title and filter of each save dialog, a line break between them.
    const QStringList &saveDialogs() const { return m_saveDialogs; }

private:
    std::vector<shell::MessageRequest> m_messages;
    std::deque<shell::MessageAnswer> m_answers;
    std::deque<QString> m_fileNames;
    QStringList m_saveFolders;
    QStringList m_saveDialogs;
    std::deque<QString> m_printFiles;
};

} // namespace testsupport
