#include "builtindocument.h"

#include "fonts/fontresolver.h"
#include "render/pagerenderer.h"

#include "argumentcheck.h"
#include "builtinlisttemplate.h"
#include "builtinrange.h"
#include "builtinselection.h"
#include "builtintable.h"
#include "documentfile.h"
#include "documentstate.h"
#include "formats/documentformats.h"
#include "automation/word/saveformat.h"
#include "automation/word/constants.h"
#include "automation/word/drawnpdf.h"
#include "automation/failure.h"

#include <algorithm>

namespace engine {
namespace {

// The text width of a US Letter page with 1-inch margins.
constexpr double textWidthPoints = 468;

} // namespace

BuiltInDocument::BuiltInDocument(std::shared_ptr<DocumentState> state)
    : m_state(std::move(state))
{
}

std::shared_ptr<word::Selection> BuiltInDocument::activeWindowSelection()
{
    m_state->ensureOpen();
    return std::make_shared<BuiltInSelection>(m_state);
}

std::shared_ptr<word::Table> BuiltInDocument::addTable(const std::shared_ptr<word::Range> &range, int numRows,
                                                        int numColumns, long defaultTableBehavior,
                                                        long autoFitBehavior)
{
    m_state->ensureOpen();
    const auto *ours = dynamic_cast<const BuiltInRange *>(range.get());
    if (!ours || ours->document() != m_state.get())
        throw automation::Failure(QStringLiteral("The range for the new table does not belong to this document."));
    requireWithin(numRows, 1, 32767, QStringLiteral("NumRows"));
    requireWithin(numColumns, 1, 63, QStringLiteral("NumColumns"));
    requireWithin(defaultTableBehavior, word::wdWord8TableBehavior, word::wdWord9TableBehavior,
                  QStringLiteral("DefaultTableBehavior"));
    requireWithin(autoFitBehavior, word::wdAutoFitFixed, word::wdAutoFitWindow, QStringLiteral("AutoFitBehavior"));

    TableFormat table;
    table.columnWidthsPoints.assign(static_cast<size_t>(numColumns), textWidthPoints / numColumns);
    // Word 2000 and later give a new table the "Table Grid" style; Word 97 gave
    // its grid lines to the cells directly. Both show single 0.5 pt lines.
    table.styleName = defaultTableBehavior == word::wdWord9TableBehavior ? QStringLiteral("Table Grid")
                                                                         : QStringLiteral("Table Normal");
    CellFormat cell;
    cell.borders.fill(BuiltInTable::styleBorder(QStringLiteral("Table Grid")));

    StoryEditor &editor = m_state->editor();
    editor.placeCaret(ours->from());
    const int index = editor.insertTable(numRows, numColumns, table, cell);
    m_state->markModified();
    return std::make_shared<BuiltInTable>(m_state, index);
}

std::shared_ptr<word::ListTemplate> BuiltInDocument::addListTemplate(const QString &name, bool outlineNumbered)
{
    m_state->ensureOpen();
    auto &lists = m_state->changeModel().lists;
    if (name.size() > 255)
        throw automation::Failure(QStringLiteral("A list template name may have at most 255 characters."));
    const bool taken = std::any_of(lists.begin(), lists.end(), [&name](const ListDefinition &list) {
        return !name.isEmpty() && list.name == name;
    });
    if (taken)
        throw automation::Failure(QStringLiteral("The document already has a list template named \"%1\".").arg(name));
    lists.push_back(ListDefinition::create(name, outlineNumbered));
    m_state->markModified();
    return std::make_shared<BuiltInListTemplate>(m_state, static_cast<int>(lists.size()) - 1);
}

void BuiltInDocument::saveAs(const QString &path)
{
    saveAs(path, word::saveFormatForName(path));
}

void BuiltInDocument::saveAs(const QString &path, long fileFormat)
{
    m_state->ensureOpen();
    // A PDF is an export of the layout: the document keeps its own file and
    // its unsaved changes, as it cannot be opened from a PDF again.
    if (fileFormat == word::wdFormatPDF)
        return DocumentFile::write(path, pdf());
    DocumentFile::write(path, DocumentFormats::write(m_state->model(), fileFormat));
    m_state->savedAs(path);
}

void BuiltInDocument::closeWindow()
{
    auto &documents = m_state->application().documents;
    documents.erase(std::remove(documents.begin(), documents.end(), m_state), documents.end());
    m_state->markClosed();
}

void BuiltInDocument::close()
{
    m_state->ensureOpen();
    // With alerts on, Word would ask whether to save; nobody can answer here.
    if (m_state->modified() && m_state->application().displayAlerts)
        throw automation::Failure(QStringLiteral("The document has unsaved changes. Save it first, or close it "
                                         "saying whether to save the changes."));
    closeWindow();
}

void BuiltInDocument::close(long saveChanges)
{
    m_state->ensureOpen();
    if (saveChanges == word::wdPromptToSaveChanges)
        return close();
    if (saveChanges != word::wdDoNotSaveChanges && saveChanges != word::wdSaveChanges)
        throw automation::Failure(QStringLiteral("SaveChanges must be 0 (do not save), -1 (save) or -2 (ask); "
                                         "%1 is not allowed.")
                              .arg(saveChanges));
    if (saveChanges == word::wdSaveChanges && m_state->modified()) {
        if (m_state->path().isEmpty())
            throw automation::Failure(QStringLiteral("The document has never been saved, so there is no file to "
                                             "save its changes to; use SaveAs first."));
        saveAs(m_state->path());
    }
    closeWindow();
}

void BuiltInDocument::repaginate()
{
    m_state->ensureOpen();
    m_state->layout();
}

QVariant BuiltInDocument::builtInDocumentProperties(long index)
{
    m_state->ensureOpen();
    if (index == word::wdPropertyPages)
        return m_state->layout().pageCount();
    throw automation::Failure(QStringLiteral("Built-in document property %1 is not available.").arg(index));
}

std::shared_ptr<word::Range> BuiltInDocument::range()
{
    m_state->ensureOpen();
    return std::make_shared<BuiltInRange>(m_state, 0, m_state->model().story.size());
}

QImage BuiltInDocument::pagePicture(int page, double pixelsPerInch)
{
    m_state->ensureOpen();
    // A picture larger than a page at 1200 pixels per inch is no preview; refuse
    // it rather than try to allocate it.
    if (!(pixelsPerInch > 0 && pixelsPerInch <= 1200))
        throw automation::Failure(QStringLiteral("A page cannot be drawn at %1 pixels per inch.").arg(pixelsPerInch));
    const DocumentLayout &layout = m_state->layout();
    if (page < 1 || page > layout.pageCount())
        throw automation::Failure(QStringLiteral("The document has no page %1; it has %2.").arg(page).arg(layout.pageCount()));
    const QImage picture = PageRenderer(layout, FontResolver::instance()).render(page - 1, pixelsPerInch);
    if (picture.isNull())
        throw automation::Failure(QStringLiteral("Page %1 could not be drawn.").arg(page));
    return picture;
}

QSizeF BuiltInDocument::drawPage(int page, QPainter &painter)
{
    m_state->ensureOpen();
    const DocumentLayout &layout = m_state->layout();
    if (page < 1 || page > layout.pageCount())
        throw automation::Failure(QStringLiteral("The document has no page %1; it has %2.").arg(page).arg(layout.pageCount()));
    PageRenderer(layout, FontResolver::instance()).paint(painter, page - 1);
    return QSizeF(layout.geometry().widthTwips, layout.geometry().heightTwips);
}

QByteArray BuiltInDocument::pdf()
{
    m_state->ensureOpen();
    return word::DrawnPdf::of(*this);
}

} // namespace engine
