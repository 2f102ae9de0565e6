#include "pageprinting.h"

#include "automation/failure.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <functional>

namespace preview {
namespace {

constexpr double twipsPerPoint = 20;
constexpr int twipsPerInch = 1440;

// Hands each page number of `document` to `drawPage`.
void forEachPage(word::Document &document, const std::function<void(int)> &drawPage)
{
    const int pageCount = std::max(1, document.builtInDocumentProperties(word::wdPropertyPages).toInt());
    for (int page = 1; page <= pageCount; ++page)
        drawPage(page);
}

// The size of `page` in twips, learnt by drawing it where nothing is kept.
QSizeF pageSizeTwips(word::Document &document, int page)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    return document.drawPage(page, painter);
}

QPageSize pdfPageSize(const QSizeF &twips)
{
    return QPageSize(twips / twipsPerPoint, QPageSize::Point, QString(), QPageSize::ExactMatch);
}

void begin(QPainter &painter, QPaintDevice &device, const QString &what)
{
    if (!painter.begin(&device))
        throw automation::Failure(QStringLiteral("%1 could not be started.").arg(what));
}

} // namespace

QByteArray PagePrinting::pdf(word::Document &document)
{
    // An engine's own PDF is its own layout exactly, with text kept as text.
    QByteArray own = document.pdf();
    if (!own.isEmpty())
        return own;
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    // At 1440 dots per inch a device unit is a twip, the layout's own unit.
    writer.setResolution(twipsPerInch);
    writer.setCreator(QStringLiteral("Parvolin"));
    writer.setPageMargins(QMarginsF());
    QPainter painter;
    forEachPage(document, [&](int page) {
        writer.setPageSize(pdfPageSize(pageSizeTwips(document, page)));
        if (page == 1)
            begin(painter, writer, QStringLiteral("The PDF"));
        else if (!writer.newPage())
            throw automation::Failure(QStringLiteral("Page %1 of the PDF could not be started.").arg(page));
        document.drawPage(page, painter);
    });
    if (!painter.end())
        throw automation::Failure(QStringLiteral("The PDF could not be finished."));
    return bytes;
}

void PagePrinting::setUpPaper(word::Document &document, QPrinter &printer)
{
    const QPageSize paper(pageSizeTwips(document, 1) / twipsPerPoint, QPageSize::Point, QString(),
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
            begin(painter, printer, QStringLiteral("The printer"));
        else if (!printer.newPage())
            throw automation::Failure(QStringLiteral("Page %1 could not be sent to the printer.").arg(page));
        const QSizeF pageTwips = pageSizeTwips(document, page);
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
