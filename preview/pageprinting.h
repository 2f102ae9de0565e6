#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

class QPrinter;

namespace preview {

// The saved document's pages drawn from the word processor's own layout, as
// vectors: the same pages and line breaks as the preview, text that stays
// text. Each call opens the document in an instance of its own and throws
// automation::Failure when a step fails.
class PagePrinting {
public:
    // The document as a PDF: one PDF page per page, each the page's own size,
    // with the fonts embedded.
    static QByteArray pdf(const QString &documentPath);

    // The picture of page `page` (from 1) at `pixelsPerInch`.
    static QImage picture(const QString &documentPath, int page, double pixelsPerInch);

    // Prints the document on `printer`, each page scaled to fit the paper.
    static void print(const QString &documentPath, QPrinter &printer);
};

} // namespace preview
