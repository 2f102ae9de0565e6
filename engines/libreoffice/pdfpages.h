#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <com/sun/star/frame/XStorable.hpp>
#include <memory>

namespace Poppler {
class Document;
}

namespace engines::libreoffice {

// The pages of a document as LibreOffice lays them out: exported to PDF once,
// then drawn by Poppler at whatever resolution the preview asks for.
class PdfPages {
public:
    // Exports `document` through a file in `folder` (private to the office),
    // which is removed again; throws automation::Failure on failure.
    PdfPages(const css::uno::Reference<css::frame::XStorable> &document, const QString &folder);
    ~PdfPages();

    int count() const;
    // The PDF as LibreOffice wrote it.
    const QByteArray &bytes() const { return m_bytes; }
    // Page `page` (from 1) on white at `pixelsPerInch`; null when there is no such page.
    QImage render(int page, double pixelsPerInch) const;

private:
    QByteArray m_bytes;
    std::unique_ptr<Poppler::Document> m_pdf;
};

} // namespace engines::libreoffice
