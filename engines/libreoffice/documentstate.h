#pragma once

#include "selectionstate.h"

#include <QString>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextViewCursor.hpp>
#include <map>
#include <memory>
#include <vector>

namespace engines::libreoffice {

class PdfPages;
class StoryMap;

// One open Writer document and what the engine keeps beside it: the
// selection, the story's areas, the column widths set so far and the pages
// as last laid out.
class DocumentState {
public:
    // `loader` is the office's desktop, which opens the copies the pages are laid out from.
    DocumentState(css::uno::Reference<css::text::XTextDocument> document, QString workFolder,
                  css::uno::Reference<css::frame::XComponentLoader> loader);
    ~DocumentState();

    const css::uno::Reference<css::text::XTextDocument> &document() const { return m_document; }
    // Throws automation::Failure once the document has been closed.
    void ensureOpen() const;
    void markClosed() { m_closed = true; }
    bool isClosed() const { return m_closed; }

    SelectionState &selection() { return m_selection; }
    // The story's areas, remade after anything that changed them.
    const StoryMap &story();
    void storyChanged();
    // Pages and layout are out of date after every edit.
    void markModified();
    // The pages are laid out again when next asked for, though nothing changed.
    void discardPages();
    // The pages as LibreOffice lays out the document read from a file: those
    // of a document edited here come from a copy read back (see LaidOutCopy).
    const PdfPages &pages();

    // Writer's own cursor of the document's window, used for what needs the
    // layout: moves by line and by page.
    css::uno::Reference<css::text::XTextViewCursor> viewCursor() const;
    std::vector<double> &columnWidthsPoints(const QString &tableName) { return m_columnWidths[tableName]; }

private:
    css::uno::Reference<css::text::XTextDocument> m_document;
    QString m_workFolder;
    css::uno::Reference<css::frame::XComponentLoader> m_loader;
    bool m_closed = false;
    // Whether Writer's layout was mended after edits rather than made as the file was read.
    bool m_edited = false;
    SelectionState m_selection;
    std::unique_ptr<StoryMap> m_story;
    std::unique_ptr<PdfPages> m_pages;
    std::map<QString, std::vector<double>> m_columnWidths;
};

} // namespace engines::libreoffice
