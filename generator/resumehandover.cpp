#include "resumehandover.h"

#include "documentname.h"
#include "previewhandover.h"
#include "resumesession.h"

#include "shell/fileservices.h"
#include "shell/programend.h"
#include "shell/tempfolder.h"
#include "automation/word/application.h"
#include "automation/word/document.h"

#include <QDir>
#include <QFile>

namespace generator {
namespace {

QString drawName(ResumeSession &session, DocumentNameDigits &digits)
{
    QString name;
    session.run(582, [&] { name = QStringLiteral("vandrel"); });
    for (int count = 0; count < 8; ++count) {
        session.run(586, [&] { digits.reseedFromClock(); });
        int digit = 0;
        session.run(588, [&] { digit = digits.draw(); });
        session.run(590, [&] { name += QString::number(digit); });
    }
    return name;
}

// Draws names until one is free, and claims it at once: the temporary folder
// is shared, so the name must be ours before anything is written under it.
QString claimDocumentPath(ResumeSession &session, DocumentNameDigits &digits)
{
    for (;;) {
        const QString name = drawName(session, digits);
        QString path;
        session.run(594, [&] { path = QDir(shell::temporaryFolder()).filePath(name + QStringLiteral(".doc")); });
        bool taken = false;
        session.run(596, [&] { taken = shell::FileExists(path) || !shell::createFileExclusively(path); });
        if (!taken) {
            // Whatever happens to the run now, the program's end must not
            // leave the user's data behind in a shared folder.
            shell::deleteAtProgramEnd(path);
            return path;
        }
    }
}

// True when the document reached the file.
bool saveAndQuit(ResumeSession &session, const QString &path)
{
    const bool saved = session.run(598, [&] { session.document().saveAs(path); });
    // The claimed name holds an empty file until the save fills it; an empty
    // file must never pass for the document.
    if (!saved)
        QFile::remove(path);
    session.run(600, [&] { session.application().setDisplayAlerts(false); });
    session.run(602, [&] { session.document().close(); });
    session.run(604, [&] { session.application().quit(); });
    session.releaseDocument(606);
    session.releaseApplication(608);
    return saved;
}

void handOver(ResumeSession &session, PreviewHandOver &preview, const QString &path, bool saved)
{
    session.run(610, [&] { preview.renderPages(path); });
    session.run(612, [&] { preview.restoreDataEntryPointer(); });
    bool hasPages = false;
    session.run(614, [&] { hasPages = preview.listedPages() >= 1; });
    if (hasPages)
        session.run(616, [&] { preview.showFirstPage(); });
    // Without a saved document there is nothing the preview may copy.
    session.run(618, [&] { preview.setWordFile(saved ? path : QString()); });
    session.run(620, [&] { preview.showPreview(); });
    session.run(622, [&] { preview.hideDataEntry(); });
}

} // namespace

QString saveAndHandOver(ResumeSession &session, PreviewHandOver &preview, DocumentNameDigits &digits)
{
    const QString path = claimDocumentPath(session, digits);
    const bool saved = saveAndQuit(session, path);
    handOver(session, preview, path, saved);
    return path;
}

} // namespace generator
