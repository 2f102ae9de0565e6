#include "officeconnection.h"

#include "officeprocess.h"
#include "unocall.h"
#include "unostring.h"

#include <QElapsedTimer>
#include <QThread>
#include <com/sun/star/bridge/UnoUrlResolver.hpp>
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
}

} // namespace engines::libreoffice
