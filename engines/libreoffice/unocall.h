#pragma once

#include "callwatch.h"
#include "automation/failure.h"

#include <QString>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/uno/Exception.hpp>

namespace engines::libreoffice {

// The description a user reads when a call into LibreOffice failed while doing `action`.
QString failureDescription(const QString &action, const rtl::OUString &message);
// The description when LibreOffice ended (or its connection broke) during `action`.
QString goneDescription(const QString &action);

// Runs one piece of work that calls into LibreOffice, turning a UNO failure
// into the automation::Failure that the program reports at the step that asked for
// it; a call that hangs is ended by the call watch.
template <typename Work>
auto unoCall(const QString &action, Work &&work) -> decltype(work())
{
    const CallWatch watch;
    try {
        return work();
    } catch (const css::lang::DisposedException &) {
        throw automation::Failure(goneDescription(action));
    } catch (const css::uno::Exception &failure) {
        throw automation::Failure(failureDescription(action, failure.Message));
    }
}

} // namespace engines::libreoffice
