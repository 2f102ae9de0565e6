#include "dialogs.h"

#include "qtdialogs.h"

namespace shell {
namespace {

Dialogs *&installed()
{
    static Dialogs *service = nullptr;
    return service;
}

} // namespace

Dialogs &dialogs()
{
    static QtDialogs qtDialogs;
    return installed() ? *installed() : qtDialogs;
}

void installDialogs(Dialogs *service)
{
    installed() = service;
}

} // namespace shell
