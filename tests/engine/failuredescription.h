#pragma once

#include "word/error.h"

#include <QString>

// The description of the word::Error that `call` raises, or an empty text when it succeeds.
template <typename Call>
QString failureDescription(Call call)
{
    try {
        call();
    } catch (const word::Error &error) {
        return error.description();
    }
    return QString();
}
