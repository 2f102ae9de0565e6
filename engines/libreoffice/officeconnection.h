#pragma once

#include <com/sun/star/frame/XDesktop2.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>

namespace engines::libreoffice {

class OfficeProcess;

// The UNO connection to one private office, through its pipe.
class OfficeConnection {
public:
    // Connects, waiting at most `timeoutMs` for the office to accept; throws
    // automation::Failure when it does not, or when the office ends before it does.
    OfficeConnection(const OfficeProcess &process, int timeoutMs);

    css::uno::Reference<css::frame::XDesktop2> desktop() const { return m_desktop; }

private:
    css::uno::Reference<css::uno::XComponentContext> m_context;
    css::uno::Reference<css::frame::XDesktop2> m_desktop;
};

} // namespace engines::libreoffice
