#pragma once

#include "automation/failure.h"

#include <QString>

// The description of the automation::Failure that `call` raises, or an empty text when it succeeds.
template <typename Call>
QString failureDescription(Call call)
{
    try {
        call();
    } catch (const automation::Failure &error) {
        return error.description();
    }
    return QString();
}
