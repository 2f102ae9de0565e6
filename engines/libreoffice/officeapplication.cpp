#include "officeapplication.h"

#include "applicationstate.h"
#include "callwatch.h"
#include "documentstate.h"
#include "officedocument.h"
#include "officedocuments.h"
#include "sharedoffice.h"
#include "automation/failure.h"

#include <com/sun/star/util/XCloseable.hpp>

using namespace css;

namespace engines::libreoffice {

OfficeApplication::OfficeApplication()
    : m_state(std::make_shared<ApplicationState>())
{
    // The office itself is found (or started) at the first call that needs
    // it, so that the start-up check does not wait for one.
    OfficeProcess::ensureCanStart();
}

OfficeApplication::~OfficeApplication()
{
    if (!m_state->quit)
        closeDocuments();
}

QString OfficeApplication::name() const
{
    return QString::fromLatin1(productName);
}

std::shared_ptr<word::Documents> OfficeApplication::documents()
{
    ensureRunning();
    return std::make_shared<OfficeDocuments>(m_state);
}

std::shared_ptr<word::Document> OfficeApplication::activeDocument()
{
    ensureRunning();
    for (auto document = m_state->documents.rbegin(); document != m_state->documents.rend(); ++document)
        if (!(*document)->isClosed())
            return std::make_shared<OfficeDocument>(*document);
    throw automation::Failure(QStringLiteral("There is no active document; add or open one first."));
}

std::shared_ptr<word::Selection> OfficeApplication::selection()
{
    return activeDocument()->activeWindowSelection();
}

double OfficeApplication::inchesToPoints(double inches) const
{
    return inches * 72.0;
}

void OfficeApplication::setDisplayAlerts(bool display)
{
    ensureRunning();
    // A headless office never shows an alert; the setting is kept for reading back.
    m_state->displayAlerts = display;
}

void OfficeApplication::quit()
{
    if (m_state->quit)
        throw automation::Failure(QStringLiteral("The LibreOffice instance has already quit."));
    m_state->quit = true;
    // An instance that never made a call has nothing to close.
    if (!m_state->office)
        return;
    const bool alive = !m_state->office->hasEnded();
    closeDocuments();
    if (!alive)
        throw automation::Failure(QStringLiteral("LibreOffice could not quit: the LibreOffice process had already ended "
                                                 "or stopped answering."));
}

void OfficeApplication::ensureRunning() const
{
    if (m_state->quit)
        throw automation::Failure(QStringLiteral("The LibreOffice instance has already quit."));
    if (!m_state->office) {
        m_state->office = SharedOffice::acquire();
        return;
    }
    if (m_state->office->hasEnded())
        throw automation::Failure(QStringLiteral("The LibreOffice instance has ended unexpectedly."));
}

void OfficeApplication::closeDocuments()
{
    m_state->quit = true;
    const CallWatch watch;
    // Open documents are closed without saving, as Word does on Quit with alerts off.
    for (const auto &document : m_state->documents) {
        if (document->isClosed())
            continue;
        document->markClosed();
        try {
            uno::Reference<util::XCloseable>(document->document(), uno::UNO_QUERY_THROW)->close(true);
        } catch (...) {
        }
    }
    m_state->documents.clear();
}

} // namespace engines::libreoffice
