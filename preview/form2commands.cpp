// Leaving the preview: saving a copy of the document where the user chooses,
// and going back to the data entry.
#include "form2.h"
#include "pageprinting.h"
#include "picturebox.h"
#include "savefolder.h"

#include "automation/word/document.h"
#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "shell/fileservices.h"
#include "shell/safewrite.h"
#include "shell/steps.h"

#include <QMenu>
#include <QPrinter>
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
    if (answer == shell::MessageAnswer::Yes)
        steps.run(130, [&] { shell::copyFileSafely(mWordFile, target); });
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
    Picture2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Picture2, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_pageMenu->popup(Picture2->mapToGlobal(at)); });
}

void Form2::printDocument()
{
    const shell::Steps steps(QStringLiteral("Form2.PrintDocument"));
    QPrinter printer(QPrinter::HighResolution);
    bool chosen = false;
    steps.run(100, [&] {
        m_keptDocument.use(mWordFile, [&](word::Document &document) { PagePrinting::setUpPaper(document, printer); });
    });
    steps.run(102, [&] { chosen = shell::dialogs().setUpPrinter(printer); });
    if (chosen)
        steps.run(104, [&] {
            m_keptDocument.use(mWordFile, [&](word::Document &document) { PagePrinting::print(document, printer); });
        });
}

void Form2::exportPdf()
{
    const shell::Steps steps(QStringLiteral("Form2.ExportPdf"));
    QString target;
    steps.run(100, [&] {
        target = shell::dialogs().saveFileName(QStringLiteral("Export as PDF"), QStringLiteral("PDF Files (*.pdf)|*.pdf"),
                                               SaveFolder::startFolder());
    });
    if (target.isEmpty())
        return;
    SaveFolder::remember(target);
    bool writable = false;
    steps.run(102, [&] { writable = mayWrite(target); });
    // The whole PDF is made before the target is touched, and then put there
    // by replacement: a failure leaves no part of a file behind.
    if (writable)
        steps.run(104, [&] {
            QByteArray pdf;
            m_keptDocument.use(mWordFile, [&](word::Document &document) { pdf = PagePrinting::pdf(document); });
            shell::writeFileSafely(target, pdf);
        });
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
