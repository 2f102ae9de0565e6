#include "pdfpages.h"

#include "unocall.h"
#include "unostring.h"

#include <QFile>
#include <QUrl>
#include <QUuid>
#include <poppler-qt6.h>

using namespace css;

namespace engines::libreoffice {

PdfPages::PdfPages(const uno::Reference<frame::XStorable> &document, const QString &folder)
{
    const QString path = folder + QStringLiteral("/pages-") + QUuid::createUuid().toString(QUuid::WithoutBraces)
                         + QStringLiteral(".pdf");
    unoCall(QStringLiteral("lay out the document's pages"), [&] {
        const auto arguments = propertyList({namedValue("FilterName", uno::Any(rtl::OUString("writer_pdf_Export"))),
                                                            namedValue("Overwrite", uno::Any(true))});
        document->storeToURL(toOUString(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded)), arguments);
    });
    QFile file(path);
    m_bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    file.remove();
    m_pdf = Poppler::Document::loadFromData(m_bytes);
    if (!m_pdf || m_pdf->isLocked())
        throw automation::Failure(QStringLiteral("The pages LibreOffice laid out could not be read back."));
    m_pdf->setRenderHint(Poppler::Document::Antialiasing);
    m_pdf->setRenderHint(Poppler::Document::TextAntialiasing);
    m_pdf->setPaperColor(Qt::white);
}

PdfPages::~PdfPages() = default;

int PdfPages::count() const
{
    return m_pdf->numPages();
}

QImage PdfPages::render(int page, double pixelsPerInch) const
{
    if (page < 1 || page > count())
        return {};
    const std::unique_ptr<Poppler::Page> pdfPage = m_pdf->page(page - 1);
    return pdfPage ? pdfPage->renderToImage(pixelsPerInch, pixelsPerInch) : QImage();
}

} // namespace engines::libreoffice
