#pragma once

#include "automation/failure.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <functional>

namespace word {

// A document's pages drawn through Document::drawPage into a PDF: the same
// pages and line breaks as the engine's own layout, text that stays text.
// Shared by the engines that make their PDF this way and by the programs that
// draw the pages of an engine that makes none. Failures throw automation::Failure.
class DrawnPdf {
public:
    // The number of pages the document reports, at least 1.
    static int pageCount(Document &document)
    {
        return std::max(1, document.builtInDocumentProperties(wdPropertyPages).toInt());
    }

    // The size of `page` in twips, learnt by drawing it where nothing is kept.
    static QSizeF pageSizeTwips(Document &document, int page)
    {
        QImage scratch(1, 1, QImage::Format_RGB32);
        QPainter painter(&scratch);
        return document.drawPage(page, painter);
    }

    // Starts `painter` on `device`; `what` names the device in the failure.
    static void begin(QPainter &painter, QPaintDevice &device, const QString &what)
    {
        if (!painter.begin(&device))
            throw automation::Failure(QStringLiteral("%1 could not be started.").arg(what));
    }

    // The whole document as a PDF: one PDF page per page, each the page's own
    // size, with the fonts embedded.
    static QByteArray of(Document &document)
    {
        constexpr double twipsPerPoint = 20;
        constexpr int twipsPerInch = 1440;
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        // At 1440 dots per inch a device unit is a twip, the layout's own unit.
        writer.setResolution(twipsPerInch);
        writer.setCreator(QStringLiteral("Parvolin"));
        writer.setPageMargins(QMarginsF());
        QPainter painter;
        const int pages = pageCount(document);
        for (int page = 1; page <= pages; ++page) {
            const QSizeF size = pageSizeTwips(document, page) / twipsPerPoint;
            writer.setPageSize(QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch));
            if (page == 1)
                begin(painter, writer, QStringLiteral("The PDF"));
            else if (!writer.newPage())
                throw automation::Failure(QStringLiteral("Page %1 of the PDF could not be started.").arg(page));
            document.drawPage(page, painter);
        }
        if (!painter.end())
            throw automation::Failure(QStringLiteral("The PDF could not be finished."));
        return bytes;
    }
};

} // namespace word
