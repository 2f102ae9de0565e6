#include "builtindocuments.h"

#include "applicationstate.h"
#include "builtindocument.h"
#include "documentfile.h"
#include "documentstate.h"
#include "lastdocumentread.h"
#include "automation/failure.h"

namespace engine {

BuiltInDocuments::BuiltInDocuments(std::shared_ptr<ApplicationState> application)
    : m_application(std::move(application))
{
}

std::shared_ptr<word::Document> BuiltInDocuments::add()
{
    // A new document is on the user's paper, as a new blank document in Word.
    DocumentModel model;
    model.page = PageGeometry::onPaper(automation::userPaper());
    auto state = std::make_shared<DocumentState>(m_application, std::move(model), QString());
    m_application->documents.push_back(state);
    return std::make_shared<BuiltInDocument>(state);
}

std::shared_ptr<word::Document> BuiltInDocuments::open(const QString &path)
{
    const QByteArray bytes = DocumentFile::read(path);
    DocumentModel model;
    try {
        model = LastDocumentRead::read(bytes);
    } catch (const automation::Failure &error) {
        throw DocumentFile::openError(path, error.description());
    }
    auto state = std::make_shared<DocumentState>(m_application, std::move(model), path);
    m_application->documents.push_back(state);
    return std::make_shared<BuiltInDocument>(state);
}

} // namespace engine
