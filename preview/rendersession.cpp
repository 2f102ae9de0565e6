#include "rendersession.h"

#include "automation/word/application.h"
#include "automation/word/constants.h"
#include "automation/word/document.h"

namespace preview {

RenderSession::RenderSession(std::shared_ptr<word::Application> application)
    : m_application(std::move(application))
{
}

RenderSession::~RenderSession()
{
    if (!m_application)
        return;
    try {
        if (m_document)
            m_document->close(word::wdDoNotSaveChanges);
    } catch (...) {
    }
    try {
        m_application->quit();
    } catch (...) {
    }
}

void RenderSession::finish()
{
    auto application = std::move(m_application);
    m_application.reset();
    application->activeDocument()->close(word::wdDoNotSaveChanges);
    application->quit();
}

} // namespace preview
