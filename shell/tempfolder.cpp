#include "tempfolder.h"

#include "automation/failure.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace shell {

QString temporaryFolder()
{
    const QString temp = qEnvironmentVariable("TEMP");
    return temp.isEmpty() ? QDir::tempPath() : temp;
}

bool createFileExclusively(const QString &path)
{
    // The temporary folder is shared by every user of the machine: O_EXCL
    // refuses a name someone else already holds, and O_NOFOLLOW with it makes
    // sure a planted link is never followed.
    const QByteArray name = QFile::encodeName(path);
    const int descriptor = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (descriptor >= 0) {
        ::close(descriptor);
        return true;
    }
    const int error = errno;
    if (error == EEXIST)
        return false;
    throw automation::Failure(QStringLiteral("The file %1 could not be created: %2.")
                      .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

} // namespace shell
