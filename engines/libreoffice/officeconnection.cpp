#include "officeconnection.h"

#include "officeprocess.h"
#include "unocall.h"
#include "unostring.h"

#include <QElapsedTimer>
#include <QThread>
#include <cstdlib>
#include <com/sun/star/bridge/BridgeFactory.hpp>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/Desktop.hpp>
#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

using namespace css;

namespace engines::libreoffice {
namespace {

// The UNO runtime of this process, which the bridge to every office needs;
// made once, from LibreOffice's own bootstrap settings.
uno::Reference<uno::XComponentContext> localContext()
{
    static const uno::Reference<uno::XComponentContext> context = [] {
        try {
            // The installation's fundamental settings name the type and
            // service registries that its unorc lists.
            rtl::Bootstrap::set("URE_BOOTSTRAP", "vnd.sun.star.pathname:" LIBREOFFICE_PROGRAM_DIR "/fundamentalrc");
            return cppu::defaultBootstrap_InitialComponentContext(rtl::OUString("file://" LIBREOFFICE_PROGRAM_DIR "/unorc"));
        } catch (const uno::Exception &failure) {
            throw automation::Failure(failureDescription(QStringLiteral("start its UNO runtime"), failure.Message));
        }
    }();
    return context;
}

// Closes every bridge to an office while the UNO runtime still stands. The
// shared office's connection lives to the program's end, and a bridge whose
// threads are still reading while the runtime's own libraries tear down at
// exit crashes the program after all its work is done.
void disposeBridgesAtExit()
{
    try {
        const auto bridges = bridge::BridgeFactory::create(localContext())->getExistingBridges();
        for (const auto &bridge : bridges) {
            const uno::Reference<lang::XComponent> component(bridge, uno::UNO_QUERY);
            if (component.is())
                component->dispose();
        }
    } catch (const uno::Exception &) {
        // A runtime that cannot list its bridges has none left to close.
    }
}

} // namespace

OfficeConnection::OfficeConnection(const OfficeProcess &process, int timeoutMs)
{
    const auto resolver = unoCall(QStringLiteral("make a connection resolver"), [] {
        return bridge::UnoUrlResolver::create(localContext());
    });
    const rtl::OUString url = toOUString(QStringLiteral("uno:pipe,name=%1;urp;StarOffice.ComponentContext")
                                             .arg(process.pipeName()));
    QElapsedTimer waited;
    waited.start();
    // A fresh office takes a few seconds before it accepts connections.
    while (!m_context.is()) {
        try {
            const CallWatch watch;
            m_context.set(resolver->resolve(url), uno::UNO_QUERY);
        } catch (const connection::NoConnectException &) {
            if (!process.isRunning())
                throw automation::Failure(QStringLiteral("LibreOffice ended before it accepted a connection."));
            if (waited.elapsed() > timeoutMs)
                throw automation::Failure(QStringLiteral("LibreOffice did not accept a connection within %1 seconds.")
                                      .arg(timeoutMs / 1000));
            QThread::msleep(50);
        } catch (const uno::Exception &failure) {
            throw automation::Failure(failureDescription(QStringLiteral("be connected to"), failure.Message));
        }
    }
    m_desktop = unoCall(QStringLiteral("give its desktop"), [this] { return frame::Desktop::create(m_context); });
    // Registered after the runtime was made, so that it runs before the
    // runtime's own end.
    static const bool closesBridgesAtExit = std::atexit(disposeBridgesAtExit) == 0;
    (void)closesBridgesAtExit;
}

} // namespace engines::libreoffice
