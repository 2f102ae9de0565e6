#pragma once

#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QSizeF>
#include <QString>
#include <QVariant>
#include <memory>

#include "automation/failure.h"

namespace word {

class ListTemplate;
class Range;
class Selection;
class Table;

class Document {
public:
    virtual ~Document() = default;

    // The selection of the document's active window.
    virtual std::shared_ptr<Selection> activeWindowSelection() = 0;

    virtual std::shared_ptr<Table> addTable(const std::shared_ptr<Range> &range, int numRows,
                                            int numColumns, long defaultTableBehavior,
                                            long autoFitBehavior) = 0;
    virtual std::shared_ptr<ListTemplate> addListTemplate(const QString &name,
                                                          bool outlineNumbered) = 0;

    // Saves in the format the name's extension says (saveFormatForName).
    virtual void saveAs(const QString &path) = 0;
    // Saves in the format `fileFormat` names, a WdSaveFormat, whatever the
    // name's extension; an engine that cannot write that format fails.
    virtual void saveAs(const QString &path, long fileFormat)
    {
        (void)path;
        throw automation::Failure(QStringLiteral("This engine cannot save in the file format %1.").arg(fileFormat));
    }
    virtual void close() = 0;
    virtual void close(long saveChanges) = 0;

    virtual void repaginate() = 0;
    // index is a WdBuiltInProperty; wdPropertyPages gives the page count.
    virtual QVariant builtInDocumentProperties(long index) = 0;
    virtual std::shared_ptr<Range> range() = 0;

    // The picture of page `page` (from 1), white, at `pixelsPerInch`, keeping
    // the page's proportions.
    virtual QImage pagePicture(int page, double pixelsPerInch) = 0;

    // Draws page `page` (from 1) with `painter`, whose units are twips from the
    // page's top-left corner, leaving the paper unpainted; returns the page's
    // size in twips. Engines that lay out text themselves draw vectors (text
    // stays text); this fallback draws the page picture.
    virtual QSizeF drawPage(int page, QPainter &painter)
    {
        constexpr double pixelsPerInch = 300;
        constexpr double twipsPerInch = 1440;
        const QImage picture = pagePicture(page, pixelsPerInch);
        const QSizeF size(picture.width() * twipsPerInch / pixelsPerInch, picture.height() * twipsPerInch / pixelsPerInch);
        painter.drawImage(QRectF(QPointF(), size), picture);
        return size;
    }

    // The document as a PDF of the engine's own making, with text that stays
    // text, when it makes one; empty when it does not, and the pages are then
    // drawn into a PDF through drawPage.
    virtual QByteArray pdf() { return {}; }
};

class Documents {
public:
    virtual ~Documents() = default;
    virtual std::shared_ptr<Document> add() = 0;
    virtual std::shared_ptr<Document> open(const QString &path) = 0;
};

} // namespace word
