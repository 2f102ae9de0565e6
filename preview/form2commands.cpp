// Leaving the preview: saving a copy of the document where the user chooses,
// and going back to the data entry.
#include "form2.h"
#include "pageprinting.h"
#include "picturebox.h"
#include "savefolder.h"

#include "automation/failure.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "shell/fileservices.h"
#include "shell/pdfdocumentinfo.h"
#include "shell/safewrite.h"
#include "shell/steps.h"
#include "shell/tempfolder.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTreeWidget>

namespace preview {
namespace {

shell::MessageRequest overwriteQuestion(const QString &target)
{
    return {shell::appTitle(), QStringLiteral("Are you sure you wish to overwrite ") + target + QStringLiteral(" ?"),
            shell::MessageIcon::None, shell::MessageButtons::YesNo};
}

} // namespace

void Form2::PushButton6_Click()
{
    const shell::Steps steps(QStringLiteral("Form2.PushButton6_Click"));
    QString title;
    QString filter;
    QString target;
    shell::MessageAnswer answer{};
    steps.run(108, [&] { title = QStringLiteral("Save File"); });
    steps.run(110, [&] { filter = QStringLiteral("Word Files (*.doc)|*.doc"); });
    steps.run(112, [&] { target = shell::dialogs().saveFileName(title, filter, SaveFolder::startFolder()); });
    bool chosen = false;
    steps.run(116, [&] { chosen = !target.isEmpty(); });
    if (chosen) {
        // The next dialog opens where the user went this time, whatever they
        // answer below.
        SaveFolder::remember(target);
        bool exists = false;
        steps.run(118, [&] { exists = shell::FileExists(target); });
        if (exists) {
            steps.run(120, [&] { answer = shell::dialogs().message(overwriteQuestion(target)); });
            // A Yes does not delete the old file: the copy below replaces it
            // only once the new one is complete, so a failed copy loses nothing.
        } else {
            steps.run(126, [&] { answer = shell::MessageAnswer::Yes; });
        }
    }
    // After a copy that failed its report has the last word: "Done." would
    // tell the user the opposite.
    if (answer == shell::MessageAnswer::Yes && !steps.run(130, [&] { shell::copyFileSafely(mWordFile, target); }))
        return;
    steps.run(132, [] {
        shell::dialogs().message({shell::appTitle(), QStringLiteral("Done."), shell::MessageIcon::None,
                                  shell::MessageButtons::Ok});
    });
}

void Form2::buildPageMenu()
{
    m_pageMenu = new QMenu(this);
    m_pageMenu->setObjectName(QStringLiteral("PageMenu"));
    QAction *print = m_pageMenu->addAction(QStringLiteral("Print\u2026"), this, &Form2::printDocument);
    print->setObjectName(QStringLiteral("PrintAction"));
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WindowShortcut);
    // The menu lives outside the window's widgets; the window carries the
    // action so that Ctrl+P works wherever its focus is.
    addAction(print);
    m_pageMenu->addAction(QStringLiteral("Export as PDF\u2026"), this, &Form2::exportPdf)
        ->setObjectName(QStringLiteral("ExportPdfAction"));
    m_pageMenu->addAction(QStringLiteral("Export as Word Document (.docx)\u2026"), this, &Form2::exportDocx)
        ->setObjectName(QStringLiteral("ExportDocxAction"));
    Picture2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Picture2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_pageMenu->popup(Picture2->mapToGlobal(at)); });
}

void Form2::openPageMenuFromKeyboard()
{
    // Where the mouse has nothing to say, the menu opens over the page's view.
    m_pageMenu->popup(Picture2->mapToGlobal(Picture2->rect().center()));
}

void Form2::printDocument()
{
    const shell::Steps steps(QStringLiteral("Form2.PrintDocument"));
    QPrinter printer(QPrinter::HighResolution);
    bool chosen = false;
    steps.run(100, [&] { chosen = shell::dialogs().setUpPrinter(printer); });
    if (chosen)
        steps.run(102, [&] {
            m_keptDocument.use(mWordFile, [&](word::Document &document) { PagePrinting::print(document, printer); });
        });
}

void Form2::exportPdf()
{
    exportDocument(QStringLiteral("Form2.ExportPdf"), QStringLiteral("Export as PDF"),
                   QStringLiteral("PDF Files (*.pdf)|*.pdf"), [this](const QString &target) {
                       QByteArray pdf;
                       m_keptDocument.use(mWordFile, [&](word::Document &document) { pdf = PagePrinting::pdf(document); });
                       shell::writeFileSafely(target, shell::withPdfDocumentInfo(pdf, documentInfo()));
                   });
}

void Form2::exportDocx()
{
    exportDocument(QStringLiteral("Form2.ExportDocx"), QStringLiteral("Export as Word Document"),
                   QStringLiteral("Word Documents (*.docx)|*.docx"), [this](const QString &target) {
                       // The engine saves into a fresh file of the program's
                       // own, never straight onto the user's file.
                       QTemporaryFile saved(shell::temporaryFolder() + QStringLiteral("/parvolin-XXXXXX.docx"));
                       if (!saved.open())
                           throw automation::Failure(QStringLiteral("No temporary file could be made for the "
                                                                    "Word document: %1").arg(saved.errorString()));
                       saved.close();
                       m_keptDocument.use(mWordFile, [&](word::Document &document) {
                           document.saveAs(saved.fileName(), word::wdFormatXMLDocument);
                       });
                       shell::copyFileSafely(saved.fileName(), target);
                   });
}

void Form2::exportDocument(const QString &location, const QString &title, const QString &filter,
                           const std::function<void(const QString &)> &write)
{
    const shell::Steps steps(location);
    QString target;
    steps.run(100, [&] { target = shell::dialogs().saveFileName(title, filter, SaveFolder::startFolder()); });
    if (target.isEmpty())
        return;
    SaveFolder::remember(target);
    bool writable = false;
    steps.run(102, [&] { writable = mayWrite(target); });
    // The whole file is made before the target is touched, and then put there
    // by replacement: a failure leaves no part of a file behind.
    if (writable)
        steps.run(104, [&] { write(target); });
}

shell::PdfDocumentInfo Form2::documentInfo() const
{
    // Readers and applicant-tracking systems show the title and the author
    // first; a resume without a name is still a resume.
    const QString name = m_authorName.simplified();
    const QString resume = QStringLiteral("Resume");
    const QString version = QCoreApplication::applicationVersion();
    return {name.isEmpty() ? resume : name + QStringLiteral(" \u2013 ") + resume, name,
            version.isEmpty() ? QStringLiteral("Parvolin") : QStringLiteral("Parvolin ") + version};
}

bool Form2::mayWrite(const QString &target) const
{
    if (!shell::FileExists(target))
        return true;
    return shell::dialogs().message(overwriteQuestion(target)) == shell::MessageAnswer::Yes;
}

void Form2::PushButton8_Click()
{
    const shell::Steps steps(QStringLiteral("Form2.PushButton8_Click"));
    // The copy the preview kept open goes before the file it was opened from.
    m_keptDocument.release();
    steps.run(102, [this] { shell::DeleteFileQuietly(mWordFile); });
    for (qint32 i = 1; i <= mTotalImages; ++i)
        steps.run(106, [&] { removeImage(i); });
    steps.run(110, [this] {
        ListView1->clear();
        mFirstActivate = true;
        Q_EMIT dataEntryWanted();
    });
    steps.run(112, [this] { hide(); });
}

} // namespace preview
