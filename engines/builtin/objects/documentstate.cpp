#include "documentstate.h"

#include "automation/failure.h"

namespace engine {

DocumentState::DocumentState(std::shared_ptr<ApplicationState> application, DocumentModel model,
                             QString path)
    : m_application(std::move(application))
    , m_model(std::move(model))
    , m_editor(m_model)
    , m_path(std::move(path))
{
}

void DocumentState::ensureOpen() const
{
    if (m_application->quit)
        throw automation::Failure(QStringLiteral("The word processor instance of this document has quit."));
    if (m_closed)
        throw automation::Failure(QStringLiteral("The document has been closed."));
}

void DocumentState::savedAs(const QString &path)
{
    m_path = path;
    m_modified = false;
}

} // namespace engine
