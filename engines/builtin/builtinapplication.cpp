#include "builtinapplication.h"

#include "objects/applicationstate.h"
#include "objects/builtindocument.h"
#include "objects/builtindocuments.h"
#include "objects/documentstate.h"
#include "instanceregistry.h"
#include "automation/word/document.h"
#include "automation/failure.h"

namespace engine {

BuiltInApplication::BuiltInApplication()
    : m_state(std::make_shared<ApplicationState>())
{
}

BuiltInApplication::~BuiltInApplication()
{
    InstanceRegistry::remove(this);
}

QString BuiltInApplication::name() const
{
    return QString::fromLatin1(productName);
}

std::shared_ptr<word::Documents> BuiltInApplication::documents()
{
    ensureRunning();
    return std::make_shared<BuiltInDocuments>(m_state);
}

std::shared_ptr<word::Document> BuiltInApplication::activeDocument()
{
    ensureRunning();
    if (m_state->documents.empty())
        throw automation::Failure(QStringLiteral("There is no active document; add or open one first."));
    return std::make_shared<BuiltInDocument>(m_state->documents.back());
}

std::shared_ptr<word::Selection> BuiltInApplication::selection()
{
    ensureRunning();
    if (m_state->documents.empty())
        throw automation::Failure(QStringLiteral("There is no active document, so there is no selection."));
    return activeDocument()->activeWindowSelection();
}

double BuiltInApplication::inchesToPoints(double inches) const
{
    return inches * 72.0;
}

void BuiltInApplication::setDisplayAlerts(bool display)
{
    ensureRunning();
    m_state->displayAlerts = display;
}

void BuiltInApplication::quit()
{
    ensureRunning();
    m_state->quit = true;
    // Documents still open are closed without saving, as Word does on Quit with alerts off.
    for (const auto &document : m_state->documents)
        document->markClosed();
    m_state->documents.clear();
    InstanceRegistry::remove(this);
}

bool BuiltInApplication::displayAlerts() const
{
    return m_state->displayAlerts;
}

bool BuiltInApplication::hasQuit() const
{
    return m_state->quit;
}

void BuiltInApplication::ensureRunning() const
{
    if (m_state->quit)
        throw automation::Failure(QStringLiteral("The word processor instance has already quit."));
}

} // namespace engine
