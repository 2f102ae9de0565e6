#include "runningoffice.h"

#include "officeconnection.h"

#include <chrono>

namespace engines::libreoffice {
namespace {

// A private office usually accepts within four seconds; a busy machine gets ample room.
constexpr int connectTimeoutMs = 60000;

} // namespace

RunningOffice::RunningOffice()
    : m_acceptedFuture(m_accepted.get_future().share())
    , m_connecting(&RunningOffice::connect, this)
{
}

RunningOffice::~RunningOffice()
{
    // Ending the office ends the wait for it as well.
    m_process.stop();
    m_connecting.join();
}

void RunningOffice::connect()
{
    try {
        m_connection = std::make_unique<OfficeConnection>(m_process, connectTimeoutMs);
        m_accepted.set_value();
    } catch (...) {
        m_accepted.set_exception(std::current_exception());
    }
}

css::uno::Reference<css::frame::XDesktop2> RunningOffice::desktop() const
{
    m_acceptedFuture.get();
    return m_connection->desktop();
}

bool RunningOffice::hasEnded() const
{
    if (!m_process.isRunning())
        return true;
    if (m_acceptedFuture.wait_for(std::chrono::seconds(0)) != std::future_status::ready)
        return false;
    try {
        m_acceptedFuture.get();
    } catch (...) {
        return true;
    }
    return !m_process.isOfficeAlive();
}

} // namespace engines::libreoffice
