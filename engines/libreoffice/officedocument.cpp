#include "officedocument.h"

#include "documentstate.h"
#include "officelisttemplate.h"
#include "officerange.h"
#include "officeselection.h"
#include "officetable.h"
#include "pdfpages.h"
#include "storymap.h"
#include "unocall.h"
#include "unostring.h"
#include "automation/failure.h"
#include "automation/word/constants.h"
#include "automation/word/saveformat.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QUrl>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/util/XCloseable.hpp>

using namespace css;

namespace engines::libreoffice {

OfficeDocument::OfficeDocument(std::shared_ptr<DocumentState> state)
    : m_state(std::move(state))
{
}

std::shared_ptr<word::Selection> OfficeDocument::activeWindowSelection()
{
    m_state->ensureOpen();
    return std::make_shared<OfficeSelection>(m_state);
}

std::shared_ptr<word::Table> OfficeDocument::addTable(const std::shared_ptr<word::Range> &range, int numRows,
                                                      int numColumns, long defaultTableBehavior, long autoFitBehavior)
{
    m_state->ensureOpen();
    const auto at = std::dynamic_pointer_cast<OfficeRange>(range);
    if (!at)
        throw automation::Failure(QStringLiteral("The table's place must be a range of the same document."));
    return OfficeTable::insert(m_state, at->start(), numRows, numColumns, defaultTableBehavior, autoFitBehavior);
}

std::shared_ptr<word::ListTemplate> OfficeDocument::addListTemplate(const QString &name, bool outlineNumbered)
{
    m_state->ensureOpen();
    return OfficeListTemplate::add(m_state, name, outlineNumbered);
}

namespace {

// LibreOffice's filter for a Word save format other than PDF.
const char *filterFor(long fileFormat)
{
    switch (fileFormat) {
    case word::wdFormatDocument:
        return "MS Word 97";
    case word::wdFormatRTF:
        return "Rich Text Format";
    case word::wdFormatXMLDocument:
        return "MS Word 2007 XML";
    default:
        throw automation::Failure(
            QStringLiteral("The LibreOffice engine cannot save in the file format %1.").arg(fileFormat));
    }
}

// Writes `pdf` to `path` whole or not at all; throws automation::Failure naming `shownPath`.
void writePdf(const QString &path, const QByteArray &pdf, const QString &shownPath)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit())
        throw automation::Failure(
            QStringLiteral("The document could not be saved as \"%1\": %2").arg(shownPath, file.errorString()));
}

} // namespace

void OfficeDocument::saveAs(const QString &path)
{
    saveAs(path, word::saveFormatForName(path));
}

void OfficeDocument::saveAs(const QString &path, long fileFormat)
{
    m_state->ensureOpen();
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const QString action = QStringLiteral("save the document as \"%1\"").arg(path);
    // A PDF is an export: the document stays what it was, under its old name.
    // It holds the pages the preview draws, laid out as a reader of the saved
    // document lays them out.
    if (fileFormat == word::wdFormatPDF) {
        writePdf(absolute, unoCall(action, [&]() -> const PdfPages & { return m_state->pages(); }).bytes(), path);
        return;
    }
    const rtl::OUString filter = rtl::OUString::createFromAscii(filterFor(fileFormat));
    unoCall(action, [&] {
        const uno::Reference<frame::XStorable> storable(m_state->document(), uno::UNO_QUERY_THROW);
        const auto arguments = propertyList({namedValue("FilterName", uno::Any(filter)),
                                                            namedValue("Overwrite", uno::Any(true))});
        storable->storeAsURL(toOUString(QUrl::fromLocalFile(absolute).toString(QUrl::FullyEncoded)), arguments);
    });
}

void OfficeDocument::close()
{
    // Without alerts nothing asks whether to save; unsaved changes are dropped.
    close(word::wdDoNotSaveChanges);
}

void OfficeDocument::close(long saveChanges)
{
    m_state->ensureOpen();
    unoCall(QStringLiteral("close the document"), [&] {
        if (saveChanges == word::wdSaveChanges)
            uno::Reference<frame::XStorable>(m_state->document(), uno::UNO_QUERY_THROW)->store();
        uno::Reference<util::XCloseable>(m_state->document(), uno::UNO_QUERY_THROW)->close(true);
    });
    m_state->markClosed();
}

void OfficeDocument::repaginate()
{
    m_state->ensureOpen();
    m_state->discardPages();
    unoCall(QStringLiteral("lay out the document's pages"), [&] { m_state->pages(); });
}

QVariant OfficeDocument::builtInDocumentProperties(long index)
{
    m_state->ensureOpen();
    if (index != word::wdPropertyPages)
        throw automation::Failure(QStringLiteral("The document property %1 is not available; only the page count (14) is.")
                              .arg(index));
    return unoCall(QStringLiteral("count the document's pages"), [&] { return m_state->pages().count(); });
}

std::shared_ptr<word::Range> OfficeDocument::range()
{
    m_state->ensureOpen();
    const StoryPosition end = unoCall(QStringLiteral("find the document's end"), [&] { return m_state->story().end(); });
    return std::make_shared<OfficeRange>(m_state, StoryPosition{}, end);
}

QImage OfficeDocument::pagePicture(int page, double pixelsPerInch)
{
    m_state->ensureOpen();
    if (pixelsPerInch <= 0)
        throw automation::Failure(QStringLiteral("A page picture needs a resolution above zero."));
    const PdfPages &pages = unoCall(QStringLiteral("lay out the document's pages"),
                                    [&]() -> const PdfPages & { return m_state->pages(); });
    if (page < 1 || page > pages.count())
        throw automation::Failure(QStringLiteral("The document has no page %1; it has %2.").arg(page).arg(pages.count()));
    return pages.render(page, pixelsPerInch);
}

QByteArray OfficeDocument::pdf()
{
    m_state->ensureOpen();
    return unoCall(QStringLiteral("lay out the document's pages"),
                   [&]() -> const PdfPages & { return m_state->pages(); })
        .bytes();
}

} // namespace engines::libreoffice
