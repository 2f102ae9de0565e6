#include "officeapplication.h"

#include "applicationstate.h"
#include "callwatch.h"
#include "documentstate.h"
#include "officedocument.h"
#include "officedocuments.h"
#include "automation/failure.h"

#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/util/XCloseable.hpp>

using namespace css;

namespace engines::libreoffice {
namespace {

// A private office usually accepts within four seconds; a busy machine gets ample room.
constexpr int connectTimeoutMs = 60000;
// How long a terminated office may take to end before it is killed.
constexpr int endTimeoutMs = 10000;

} // namespace

OfficeApplication::OfficeApplication()
    : m_state(std::make_shared<ApplicationState>())
{
    m_state->process = std::make_unique<OfficeProcess>();
    // A failed connection ends the process at once: the object is never made,
    // so no destructor would.
    try {
        m_state->connection = std::make_unique<OfficeConnection>(*m_state->process, connectTimeoutMs);
    } catch (...) {
        m_state->process->end(0);
        throw;
    }
}

OfficeApplication::~OfficeApplication()
{
    if (!m_state->quit)
        endOffice();
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
    ensureRunning();
    if (!endOffice())
        throw automation::Failure(QStringLiteral("LibreOffice could not quit: the LibreOffice process had already ended "
                                         "or stopped answering."));
}

void OfficeApplication::ensureRunning() const
{
    if (m_state->quit)
        throw automation::Failure(QStringLiteral("The LibreOffice instance has already quit."));
    if (!m_state->process->isOfficeAlive())
        throw automation::Failure(QStringLiteral("The LibreOffice instance has ended unexpectedly."));
}

bool OfficeApplication::endOffice()
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
    bool answered = false;
    try {
        if (m_state->connection && m_state->process->isRunning())
            answered = m_state->connection->desktop()->terminate();
    } catch (const lang::DisposedException &) {
        // The connection closes while the office ends, which is what was asked for.
        answered = true;
    } catch (...) {
    }
    m_state->connection.reset();
    m_state->process->end(endTimeoutMs);
    return answered;
}

} // namespace engines::libreoffice
