#include "pageprinting.h"

#include "automation/failure.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"
#include "automation/word/drawnpdf.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <functional>

namespace preview {
namespace {

// Hands each page number of `document` to `drawPage`.
void forEachPage(word::Document &document, const std::function<void(int)> &drawPage)
{
    const int pageCount = word::DrawnPdf::pageCount(document);
    for (int page = 1; page <= pageCount; ++page)
        drawPage(page);
}

} // namespace

QByteArray PagePrinting::pdf(word::Document &document)
{
    // An engine's own PDF is its own layout exactly, with text kept as text.
    QByteArray own = document.pdf();
    if (!own.isEmpty())
        return own;
    return word::DrawnPdf::of(document);
}

void PagePrinting::setUpPaper(word::Document &document, QPrinter &printer)
{
    constexpr double twipsPerPoint = 20;
    const QPageSize paper(word::DrawnPdf::pageSizeTwips(document, 1) / twipsPerPoint, QPageSize::Point, QString(),
                          QPageSize::FuzzyMatch);
    if (!printer.setPageSize(paper))
        throw automation::Failure(QStringLiteral("The printer has no paper of the document's size."));
}

void PagePrinting::print(word::Document &document, QPrinter &printer)
{
    printer.setFullPage(true);
    QPainter painter;
    forEachPage(document, [&](int page) {
        if (page == 1)
            word::DrawnPdf::begin(painter, printer, QStringLiteral("The printer"));
        else if (!printer.newPage())
            throw automation::Failure(QStringLiteral("Page %1 could not be sent to the printer.").arg(page));
        const QSizeF pageTwips = word::DrawnPdf::pageSizeTwips(document, page);
        const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
        const double scale = std::min(paper.width() / pageTwips.width(), paper.height() / pageTwips.height());
        painter.save();
        painter.scale(scale, scale);
        document.drawPage(page, painter);
        painter.restore();
    });
    if (!painter.end())
        throw automation::Failure(QStringLiteral("The printout could not be finished."));
}

} // namespace preview
