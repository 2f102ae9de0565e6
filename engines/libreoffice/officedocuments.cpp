#include "officedocuments.h"

#include "applicationstate.h"
#include "documentstate.h"
#include "officedocument.h"
#include "unocall.h"
#include "unostring.h"
#include "worddefaults.h"

#include <QFileInfo>
#include <QUrl>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/util/XCloseable.hpp>

using namespace css;

namespace engines::libreoffice {

OfficeDocuments::OfficeDocuments(std::shared_ptr<ApplicationState> state)
    : m_state(std::move(state))
{
}

std::shared_ptr<word::Document> OfficeDocuments::add()
{
    auto document = load(QStringLiteral("private:factory/swriter"), QStringLiteral("create a new document"));
    auto &state = *m_state->documents.back();
    unoCall(QStringLiteral("set up the new document's page and fonts"), [&] { applyWordDefaults(state.document()); });
    return document;
}

std::shared_ptr<word::Document> OfficeDocuments::open(const QString &path)
{
    const QFileInfo file(path);
    if (!file.isFile())
        throw automation::Failure(QStringLiteral("The document \"%1\" could not be opened: there is no such file.").arg(path));
    return load(QUrl::fromLocalFile(file.absoluteFilePath()).toString(QUrl::FullyEncoded),
                QStringLiteral("open the document \"%1\"").arg(path));
}

std::shared_ptr<word::Document> OfficeDocuments::load(const QString &url, const QString &action)
{
    if (m_state->quit)
        throw automation::Failure(QStringLiteral("The LibreOffice instance has already quit."));
    uno::Reference<frame::XComponentLoader> loader;
    const uno::Reference<text::XTextDocument> document = unoCall(action, [&] {
        loader.set(m_state->office->desktop(), uno::UNO_QUERY_THROW);
        const auto arguments = propertyList({namedValue("Hidden", uno::Any(true))});
        const auto component = loader->loadComponentFromURL(toOUString(url), "_blank", 0, arguments);
        uno::Reference<text::XTextDocument> text(component, uno::UNO_QUERY);
        if (!text.is() && component.is())
            uno::Reference<util::XCloseable>(component, uno::UNO_QUERY_THROW)->close(true);
        return text;
    });
    if (!document.is())
        throw automation::Failure(QStringLiteral("LibreOffice could not %1: it is not a text document.").arg(action));
    auto state = std::make_shared<DocumentState>(document, m_state->office->folder(), loader);
    m_state->documents.push_back(state);
    return std::make_shared<OfficeDocument>(state);
}

} // namespace engines::libreoffice
