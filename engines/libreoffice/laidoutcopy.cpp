#include "laidoutcopy.h"

#include "unostring.h"

#include <QFile>
#include <QUrl>
#include <QUuid>
#include <com/sun/star/util/XCloseable.hpp>

using namespace css;

namespace engines::libreoffice {

LaidOutCopy::LaidOutCopy(const uno::Reference<frame::XStorable> &document,
                         const uno::Reference<frame::XComponentLoader> &loader, const QString &folder)
    : m_path(folder + QStringLiteral("/copy-") + QUuid::createUuid().toString(QUuid::WithoutBraces)
             + QStringLiteral(".fodt"))
{
    const rtl::OUString url = toOUString(QUrl::fromLocalFile(m_path).toString(QUrl::FullyEncoded));
    // Flat XML: no zip package and no thumbnail, which would take several
    // times as long to write as the copy takes to read back.
    document->storeToURL(url, propertyList({namedValue("FilterName", uno::Any(rtl::OUString("OpenDocument Text Flat XML"))),
                                            namedValue("Overwrite", uno::Any(true))}));
    try {
        m_copy.set(loader->loadComponentFromURL(url, "_blank", 0, propertyList({namedValue("Hidden", uno::Any(true))})),
                   uno::UNO_QUERY_THROW);
    } catch (...) {
        QFile::remove(m_path);
        throw;
    }
}

LaidOutCopy::~LaidOutCopy()
{
    try {
        uno::Reference<util::XCloseable>(m_copy, uno::UNO_QUERY_THROW)->close(true);
    } catch (const uno::Exception &) {
        // An office that has gone took the copy with it.
    }
    QFile::remove(m_path);
}

} // namespace engines::libreoffice
