#include "useroffice.h"

#include "officeapplication.h"
#include "officeprocess.h"
#include "automation/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace engines::libreoffice {
namespace {

QByteArray readProcFile(const QString &pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid, QLatin1String(name)));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool isUsersOffice(const QString &pid)
{
    // The office binary itself; the launcher and the shell script around it
    // come and go with it.
    if (readProcFile(pid, "comm").trimmed() != "soffice.bin")
        return false;
    if (QFileInfo(QStringLiteral("/proc/") + pid).ownerId() != ::getuid())
        return false;
    // A headless office is a background conversion (this program's own tests
    // and tools run them), not an office the user works in; a private
    // profile keeps either from disturbing the other.
    const QByteArray commandLine = readProcFile(pid, "cmdline");
    return !OfficeProcess::isPrivateOffice(commandLine) && !commandLine.split('\0').contains("--headless");
}

} // namespace

bool UserOffice::isRunning()
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return std::any_of(entries.begin(), entries.end(), [](const QString &entry) {
        bool isPid = false;
        entry.toLongLong(&isPid);
        return isPid && isUsersOffice(entry);
    });
}

QString UserOffice::name() const
{
    return QString::fromLatin1(OfficeApplication::productName);
}

std::shared_ptr<word::Documents> UserOffice::documents()
{
    refuse();
}

std::shared_ptr<word::Document> UserOffice::activeDocument()
{
    refuse();
}

std::shared_ptr<word::Selection> UserOffice::selection()
{
    refuse();
}

double UserOffice::inchesToPoints(double inches) const
{
    return inches * 72.0;
}

void UserOffice::setDisplayAlerts(bool)
{
    refuse();
}

void UserOffice::quit()
{
    refuse();
}

void UserOffice::refuse()
{
    throw automation::Failure(QStringLiteral("The LibreOffice the user is running is only looked at, never driven or ended."));
}

} // namespace engines::libreoffice
