#include "keptdocument.h"

#include "rendersession.h"

#include "automation/failure.h"
#include "automation/word/application.h"
#include "automation/word/document.h"
#include "generator/engineregistry.h"

namespace preview {

KeptDocument::KeptDocument() = default;

KeptDocument::~KeptDocument()
{
    release();
}

void KeptDocument::use(const QString &path, const std::function<void(word::Document &)> &work)
{
    try {
        if (!m_session || path != m_path)
            open(path);
        work(*m_document);
    } catch (...) {
        release();
        throw;
    }
}

void KeptDocument::open(const QString &path)
{
    release();
    auto session = std::make_unique<RenderSession>(generator::createObject(QStringLiteral("Word.Application")));
    auto document = session->application().documents()->open(path);
    session->setDocument(document);
    document->repaginate();
    m_session = std::move(session);
    m_document = std::move(document);
    m_path = path;
}

void KeptDocument::release()
{
    m_document.reset();
    // The session's destructor closes the copy and quits, swallowing failures.
    m_session.reset();
    m_path.clear();
}

} // namespace preview
