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
    QString saveFileName(const QString &title, const QString &filter) override;

    void answerNext(shell::MessageAnswer answer) { m_answers.push_back(answer); }
    void chooseFileNext(const QString &name) { m_fileNames.push_back(name); }

    const std::vector<shell::MessageRequest> &messages() const { return m_messages; }
    // The texts of every error report shown so far.
    QStringList errorReports() const;
    void clear() { m_messages.clear(); }

private:
    std::vector<shell::MessageRequest> m_messages;
    std::deque<shell::MessageAnswer> m_answers;
    std::deque<QString> m_fileNames;
};

} // namespace testsupport
