#include "documentstate.h"

#include "laidoutcopy.h"
#include "pdfpages.h"
#include "storymap.h"
#include "automation/failure.h"

#include <com/sun/star/frame/XController.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/text/XTextViewCursorSupplier.hpp>

using namespace css;

namespace engines::libreoffice {

DocumentState::DocumentState(uno::Reference<text::XTextDocument> document, QString workFolder,
                             uno::Reference<frame::XComponentLoader> loader)
    : m_document(std::move(document))
    , m_workFolder(std::move(workFolder))
    , m_loader(std::move(loader))
{
}

DocumentState::~DocumentState() = default;

void DocumentState::ensureOpen() const
{
    if (m_closed)
        throw automation::Failure(QStringLiteral("The document has been closed."));
}

const StoryMap &DocumentState::story()
{
    ensureOpen();
    if (!m_story)
        m_story = std::make_unique<StoryMap>(m_document);
    return *m_story;
}

void DocumentState::storyChanged()
{
    m_story.reset();
    markModified();
}

void DocumentState::markModified()
{
    m_edited = true;
    discardPages();
}

void DocumentState::discardPages()
{
    m_pages.reset();
}

const PdfPages &DocumentState::pages()
{
    ensureOpen();
    if (m_pages)
        return *m_pages;
    const uno::Reference<frame::XStorable> document(m_document, uno::UNO_QUERY_THROW);
    if (m_edited) {
        const LaidOutCopy copy(document, m_loader, m_workFolder);
        m_pages = std::make_unique<PdfPages>(copy.document(), m_workFolder);
    } else {
        // A document as it was read: its layout is already the one a copy would have.
        m_pages = std::make_unique<PdfPages>(document, m_workFolder);
    }
    return *m_pages;
}

uno::Reference<text::XTextViewCursor> DocumentState::viewCursor() const
{
    const uno::Reference<frame::XModel> model(m_document, uno::UNO_QUERY_THROW);
    const uno::Reference<text::XTextViewCursorSupplier> supplier(model->getCurrentController(), uno::UNO_QUERY);
    if (!supplier.is())
        throw automation::Failure(QStringLiteral("The document has no window whose layout could be asked."));
    return supplier->getViewCursor();
}

} // namespace engines::libreoffice
