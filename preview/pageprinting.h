#pragma once

#include <QByteArray>

class QPrinter;

namespace word {
class Document;
}

namespace preview {

// An open document's pages drawn from the word processor's own layout, as
// vectors: the same pages and line breaks as the preview, text that stays
// text. Each call throws automation::Failure when a step fails.
class PagePrinting {
public:
    // The document as a PDF: one PDF page per page, each the page's own size,
    // with the fonts embedded.
    static QByteArray pdf(word::Document &document);

    // Gives `printer` the paper of the document's first page, so that the
    // print dialog starts from the paper the document was laid out on.
    static void setUpPaper(word::Document &document, QPrinter &printer);

    // Prints the document on `printer`, each page scaled to fit the paper.
    static void print(word::Document &document, QPrinter &printer);
};

} // namespace preview
