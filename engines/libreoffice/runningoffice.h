#pragma once

#include "officeprocess.h"

#include <com/sun/star/frame/XDesktop2.hpp>

#include <future>
#include <memory>
#include <thread>

namespace engines::libreoffice {

class OfficeConnection;

// One private office and the connection to it, made in the background: the
// process starts with the object, and a thread of its own waits for the
// office to accept, so that starting never blocks the caller.
class RunningOffice {
public:
    // Starts the office; throws automation::Failure when it cannot be started.
    RunningOffice();
    // Ends the office, whether it was connected or not.
    ~RunningOffice();
    RunningOffice(const RunningOffice &) = delete;
    RunningOffice &operator=(const RunningOffice &) = delete;

    // The office's desktop, once it accepts: waits for that; throws
    // automation::Failure when the office never accepted.
    css::uno::Reference<css::frame::XDesktop2> desktop() const;
    // Whether the office has ended, or will never accept: it cannot serve another call.
    bool hasEnded() const;
    // The private folder, for files the engine makes.
    QString folder() const { return m_process.folder(); }

private:
    void connect();

    OfficeProcess m_process;
    std::unique_ptr<OfficeConnection> m_connection;
    std::promise<void> m_accepted;
    std::shared_future<void> m_acceptedFuture;
    std::thread m_connecting;
};

} // namespace engines::libreoffice
