#pragma once

#include "documentlayout.h"
#include "paragraphmemo.h"

#include <memory>

namespace engine {

// Keeps a document's layout while its content stays as it was, so that the
// page count and every page's picture come from one layout. After a change
// it lays out again only the paragraphs that differ from those of the last
// layout made in the process.
class LayoutCache {
public:
    // The layout of `model` at content revision `revision`, laid out anew
    // only when the revision differs from the last one asked for. Throws
    // automation::Failure when no QGuiApplication runs.
    const DocumentLayout &layout(const DocumentModel &model, long revision);
    // Forgets the layout; the next request lays the document out afresh.
    void clear();
    // How many times a whole document has been laid out in this process, by
    // any cache; what a create command costs shows in the difference.
    static long layoutsBuilt();

private:
    std::unique_ptr<DocumentLayout> m_layout;
    long m_revision = 0;
};

} // namespace engine
