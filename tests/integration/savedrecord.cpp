#include "savedrecord.h"

#include "generator/resume.h"
#include "support/scripteddialogs.h"
#include "support/testenvironment.h"
#include "automation/failure.h"
#include "automation/word/application.h"
#include "automation/word/document.h"

#include <QFile>

QString onPaper(const FidelityRecord &record, const char *paper)
{
    return record.name + QLatin1Char('_') + QString::fromLatin1(paper);
}

void PrintTo(const FidelityRecord &record, std::ostream *out)
{
    *out << record.name.toStdString();
}

QByteArray savedRecord(const FidelityRecord &record, const char *paper, const QString &fileName, long fileFormat, QString *failure)
{
    const testsupport::ScopedVariable paperSize("PAPERSIZE", paper);
    testsupport::ScriptedDialogs dialogs;
    // An office another program runs on this machine is warned about; the run goes on.
    dialogs.answerNext(shell::MessageAnswer::Yes);
    const auto fields = record.fields;
    const generator::GeneratedDocument generated = generator::GenerateResume([fields](const QString &name) {
        const auto found = fields.find(name);
        return found == fields.end() ? QString() : found->second;
    });
    const auto failed = [&](const QString &report) {
        if (failure)
            *failure = report;
        return QByteArray();
    };
    if (!generated.document || !dialogs.errorReports().isEmpty())
        return failed(dialogs.errorReports().join(QLatin1Char('\n')));
    const QString path = testsupport::freshFolder(onPaper(record, paper)) + QLatin1Char('/') + fileName;
    try {
        if (fileFormat < 0)
            generated.document->saveAs(path);
        else
            generated.document->saveAs(path, fileFormat);
        generated.application->quit();
    } catch (const automation::Failure &saving) {
        return failed(saving.description());
    }
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && dialogs.errorReports().isEmpty() ? file.readAll() : QByteArray();
}
