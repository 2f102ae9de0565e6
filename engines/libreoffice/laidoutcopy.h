#pragma once

#include <QString>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/frame/XStorable.hpp>

namespace engines::libreoffice {

// A copy of a document that LibreOffice has read back from a file and laid
// out from the start, open (hidden) for as long as the object lives.
//
// Writer keeps the layout of a document it edits and mends it after each
// edit. Where a table row meets a page's foot, the mended layout of a
// document built step by step depends on the order of the edits and on when
// the pages were last laid out: it can break the pages otherwise than Writer
// does when it reads the same document from a file, and differently from one
// run to the next. A copy read back breaks its pages as every reader of the
// saved document does, every time.
class LaidOutCopy {
public:
    // Saves `document` as flat OpenDocument text in `folder` (private to the
    // office) and opens that through `loader`; throws a UNO exception on failure.
    LaidOutCopy(const css::uno::Reference<css::frame::XStorable> &document,
                const css::uno::Reference<css::frame::XComponentLoader> &loader, const QString &folder);
    // Closes the copy and removes its file.
    ~LaidOutCopy();
    LaidOutCopy(const LaidOutCopy &) = delete;
    LaidOutCopy &operator=(const LaidOutCopy &) = delete;

    // The copy, to export or draw.
    const css::uno::Reference<css::frame::XStorable> &document() const { return m_copy; }

private:
    QString m_path;
    css::uno::Reference<css::frame::XStorable> m_copy;
};

} // namespace engines::libreoffice
