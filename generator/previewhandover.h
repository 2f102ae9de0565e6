#pragma once

#include <QString>

namespace generator {

// Where the generator hands its saved document: the page renderer, the
// preview window and the data-entry window, none of which it may know itself.
class PreviewHandOver {
public:
    virtual ~PreviewHandOver() = default;

    // Renders the document's pages into the preview; throws what failed.
    virtual void renderPages(const QString &path) = 0;
    // The data-entry window's pointer goes back to the arrow.
    virtual void restoreDataEntryPointer() = 0;
    // How many pages the preview's page list holds.
    virtual int listedPages() const = 0;
    // Puts the first page picture into the preview's viewport.
    virtual void showFirstPage() = 0;
    // Tells the preview which document it shows (and deletes when it closes).
    virtual void setWordFile(const QString &path) = 0;
    virtual void showPreview() = 0;
    virtual void hideDataEntry() = 0;
};

} // namespace generator
