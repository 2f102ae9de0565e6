#include "scripteddialogs.h"

#include <QPrinter>

namespace testsupport {

ScriptedDialogs::ScriptedDialogs()
{
    shell::installDialogs(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    shell::installDialogs(nullptr);
}

shell::MessageAnswer ScriptedDialogs::message(const shell::MessageRequest &request)
{
    m_messages.push_back(request);
    if (!m_answers.empty()) {
        const auto answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    return request.buttons == shell::MessageButtons::YesNo ? shell::MessageAnswer::No
                                                           : shell::MessageAnswer::Ok;
}

QString ScriptedDialogs::saveFileName(const QString &title, const QString &filter, const QString &folder)
{
    m_saveFolders << folder;
    m_saveDialogs << title + QLatin1Char('\n') + filter;
    if (m_fileNames.empty())
        return QString();
    const QString name = m_fileNames.front();
    m_fileNames.pop_front();
    return name;
}

QStringList ScriptedDialogs::errorReports() const
{
    QStringList reports;
    for (const auto &request : m_messages) {
        if (request.caption == QLatin1String("Application Error"))
            reports << request.text;
    }
    return reports;
}

} // namespace testsupport

namespace testsupport {

bool ScriptedDialogs::setUpPrinter(QPrinter &printer)
{
    if (m_printFiles.empty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_printFiles.front());
    m_printFiles.pop_front();
    return true;
}

} // namespace testsupport
