#include "officeprocess.h"

#include "callwatch.h"
#include "automation/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <csignal>
#include <cstdlib>
#include <unistd.h>

namespace engines::libreoffice {
namespace {

// Every private profile folder's name starts with this, which is also how a
// private office is told apart from the user's own.
const char folderPrefix[] = "parvolin-libreoffice-";

// The keeper: $1 the program's process id, $2 the private folder, then the
// office's command line. LibreOffice exits with 81 after setting up a fresh
// profile and expects to be started again.
const char keeperScript[] = R"sh(
owner=$1; folder=$2; shift 2
while :; do
  "$@" </dev/null >/dev/null 2>&1 &
  office=$!
  echo "$office" > "$folder/office.pid"
  ( while kill -0 "$owner" 2>/dev/null; do sleep 0.3; done; kill -9 "$office" 2>/dev/null ) >/dev/null 2>&1 &
  watcher=$!
  wait "$office"; status=$?
  kill "$watcher" 2>/dev/null
  [ "$status" = 81 ] || break
done
rm -rf "$folder"
exit "$status"
)sh";

QString temporaryFolder()
{
    const QString temp = qEnvironmentVariable("TEMP");
    return temp.isEmpty() ? QDir::tempPath() : temp;
}

// mkdtemp creates the folder exclusively, readable by us alone.
QString makePrivateFolder()
{
    QByteArray pattern = QFile::encodeName(QDir(temporaryFolder()).filePath(QLatin1String(folderPrefix) + "XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        throw automation::Failure(QStringLiteral("LibreOffice could not be started: no private profile folder could be "
                                         "made in the temporary folder \"%1\".")
                              .arg(temporaryFolder()));
    return QFile::decodeName(pattern);
}

// LibreOffice finds Wine's Tahoma and Wingdings only when fontconfig is told of their folder.
QString writeFontConfig(const QString &folder)
{
    const QString path = folder + QStringLiteral("/fonts.conf");
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n<fontconfig>\n"
                   "  <include ignore_missing=\"yes\">/etc/fonts/fonts.conf</include>\n"
                   "  <dir>/usr/share/wine/fonts</dir>\n</fontconfig>\n");
    return path;
}

QStringList officeArguments(const QString &folder, const QString &pipeName)
{
    return {QStringLiteral(LIBREOFFICE_PROGRAM_DIR "/soffice.bin"),
            QStringLiteral("--headless"),
            QStringLiteral("--invisible"),
            QStringLiteral("--nologo"),
            QStringLiteral("--norestore"),
            QStringLiteral("--nodefault"),
            QStringLiteral("--nolockcheck"),
            QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded),
            QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext").arg(pipeName)};
}

QByteArray commandLineOf(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

OfficeProcess::OfficeProcess()
    : m_folder(makePrivateFolder())
    , m_pipeName(QStringLiteral("parvolin-") + QFileInfo(m_folder).fileName())
{
    // The connection to the office is a local socket: a write after the office
    // has ended must come back as an error the call reports, not as a signal
    // that ends this program (it did, now and then, as an office quit).
    std::signal(SIGPIPE, SIG_IGN);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), writeFontConfig(m_folder));
    m_keeper.setProcessEnvironment(environment);
    m_keeper.setStandardInputFile(QProcess::nullDevice());
    m_keeper.setStandardOutputFile(QProcess::nullDevice());
    m_keeper.setStandardErrorFile(QProcess::nullDevice());
    QStringList arguments{QStringLiteral("-c"), QString::fromLatin1(keeperScript), QStringLiteral("sh"),
                          QString::number(QCoreApplication::applicationPid()), m_folder};
    arguments += officeArguments(m_folder, m_pipeName);
    m_keeper.start(QStringLiteral("/bin/sh"), arguments);
    if (!m_keeper.waitForStarted(10000)) {
        QDir(m_folder).removeRecursively();
        throw automation::Failure(QStringLiteral("LibreOffice could not be started: %1").arg(m_keeper.errorString()));
    }
    CallWatch::watch(this);
}

OfficeProcess::~OfficeProcess()
{
    CallWatch::unwatch(this);
    end(0);
}

bool OfficeProcess::isRunning() const
{
    // Without an event loop Qt learns of the keeper's end only when asked to wait.
    if (m_keeper.state() != QProcess::NotRunning)
        m_keeper.waitForFinished(0);
    return m_keeper.state() != QProcess::NotRunning;
}

void OfficeProcess::end(int waitMs)
{
    if (isRunning() && !m_keeper.waitForFinished(waitMs)) {
        killOffice();
        // The keeper removes the folder as soon as the office has gone.
        if (!m_keeper.waitForFinished(5000)) {
            m_keeper.kill();
            m_keeper.waitForFinished(2000);
        }
    }
    if (!m_folder.isEmpty() && QFileInfo::exists(m_folder))
        QDir(m_folder).removeRecursively();
}

bool OfficeProcess::isPrivateOffice(const QByteArray &commandLine)
{
    return commandLine.contains(folderPrefix);
}

qint64 OfficeProcess::officePid() const
{
    QFile pidFile(m_folder + QStringLiteral("/office.pid"));
    if (!pidFile.open(QIODevice::ReadOnly))
        return 0;
    const qint64 pid = pidFile.readAll().trimmed().toLongLong();
    // Only the office started with our own folder counts: a process id can
    // have been reused by then.
    return pid > 0 && commandLineOf(pid).contains(QFile::encodeName(m_folder)) ? pid : 0;
}

bool OfficeProcess::isOfficeAlive() const
{
    return isRunning() && officePid() > 0;
}

void OfficeProcess::killOffice()
{
    if (const qint64 pid = officePid())
        ::kill(static_cast<pid_t>(pid), SIGKILL);
}

} // namespace engines::libreoffice
