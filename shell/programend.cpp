#include "programend.h"

#include <QFile>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace shell {
namespace {

std::function<void(int)> &handler()
{
    static std::function<void(int)> current;
    return current;
}

QStringList &filesToDelete()
{
    static QStringList files;
    return files;
}

} // namespace

void deleteAtProgramEnd(const QString &path)
{
    filesToDelete().append(path);
}

void endProgram(int status)
{
    for (const QString &path : std::as_const(filesToDelete()))
        QFile::remove(path);
    filesToDelete().clear();
    if (handler()) {
        handler()(status);
        return;
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

void setProgramEndHandlerForTesting(std::function<void(int)> handler_)
{
    handler() = std::move(handler_);
}

} // namespace shell
