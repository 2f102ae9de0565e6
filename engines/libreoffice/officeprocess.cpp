#include "officeprocess.h"

#include "callwatch.h"
#include "automation/failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QUrl>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace engines::libreoffice {
namespace {

// Every private profile folder's name starts with this, which is also how a
// private office is told apart from the user's own.
const char folderPrefix[] = "parvolin-libreoffice-";
const char officeBinary[] = LIBREOFFICE_PROGRAM_DIR "/soffice.bin";
// LibreOffice exits with this after setting up a fresh profile and expects to be started again.
constexpr int restartStatus = 81;
// The keeper's descriptor for the read end of the pipe this program holds open.
constexpr int ownerFd = 3;

QString temporaryFolder()
{
    const QString temp = qEnvironmentVariable("TEMP");
    return temp.isEmpty() ? QDir::tempPath() : temp;
}

[[noreturn]] void throwNoFolder()
{
    throw automation::Failure(QStringLiteral("LibreOffice could not be started: no private profile folder could be "
                                             "made in the temporary folder \"%1\".")
                                  .arg(temporaryFolder()));
}

// mkdtemp creates the folder exclusively, readable by us alone.
QString makePrivateFolder()
{
    QByteArray pattern = QFile::encodeName(QDir(temporaryFolder()).filePath(QLatin1String(folderPrefix) + "XXXXXX"));
    if (!::mkdtemp(pattern.data()))
        throwNoFolder();
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
    return {QString::fromLatin1(officeBinary),
            QStringLiteral("--headless"),
            QStringLiteral("--invisible"),
            QStringLiteral("--nologo"),
            QStringLiteral("--norestore"),
            QStringLiteral("--nodefault"),
            QStringLiteral("--nolockcheck"),
            QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(folder).toString(QUrl::FullyEncoded),
            QStringLiteral("--accept=pipe,name=%1;urp;StarOffice.ComponentContext").arg(pipeName)};
}

// Where LibreOffice puts the socket of a named pipe; a killed office leaves it behind.
QString officePipeSocket(const QString &pipeName)
{
    return QStringLiteral("/tmp/OSL_PIPE_%1_%2").arg(::getuid()).arg(pipeName);
}

QByteArray commandLineOf(qint64 pid)
{
    QFile file(QStringLiteral("/proc/%1/cmdline").arg(pid));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Strings and the pointer arrays execve takes, kept together.
class CommandLine {
public:
    explicit CommandLine(const QStringList &parts)
    {
        for (const QString &part : parts)
            m_strings.push_back(QFile::encodeName(part).toStdString());
        for (std::string &text : m_strings)
            m_pointers.push_back(text.data());
        m_pointers.push_back(nullptr);
    }
    char *const *pointers() { return m_pointers.data(); }

private:
    std::vector<std::string> m_strings;
    std::vector<char *> m_pointers;
};

// Everything the keeper needs, made before the fork: after it, in a child of
// a program with many threads, only async-signal-safe calls are allowed, so
// the keeper allocates nothing and uses system calls alone.
struct KeeperPlan {
    CommandLine office;
    CommandLine environment;
    CommandLine removal;
    std::string pidFile;
    std::string pidFileDraft;
};

void resetSignals()
{
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal)
        ::sigaction(signal, &standard, nullptr);
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

void closeFrom(int first)
{
    if (::syscall(SYS_close_range, first, ~0U, 0) != 0)
        for (int fd = first; fd < 4096; ++fd)
            ::close(fd);
}

// The office itself: it dies with the keeper, whatever ends the keeper.
[[noreturn]] void runOffice(KeeperPlan &plan, pid_t keeper)
{
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    // The keeper may have gone before the signal was asked for.
    if (::getppid() != keeper)
        ::_exit(1);
    const int null = ::open("/dev/null", O_RDWR);
    for (int fd = 0; fd <= 2; ++fd)
        ::dup2(null, fd);
    closeFrom(3);
    ::execve(plan.office.pointers()[0], plan.office.pointers(), plan.environment.pointers());
    ::_exit(127);
}

// Writes `pid` in decimal to the pid file, replacing it in one step so that a
// reader never sees it half written.
void writePidFile(const KeeperPlan &plan, pid_t pid)
{
    char digits[24];
    int length = 0;
    char reversed[24];
    for (unsigned long value = static_cast<unsigned long>(pid); value > 0 || length == 0; value /= 10)
        reversed[length++] = static_cast<char>('0' + value % 10);
    for (int index = 0; index < length; ++index)
        digits[index] = reversed[length - 1 - index];
    const int fd = ::open(plan.pidFileDraft.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    [[maybe_unused]] const ssize_t written = ::write(fd, digits, static_cast<size_t>(length));
    ::close(fd);
    ::rename(plan.pidFileDraft.c_str(), plan.pidFile.c_str());
}

// Waits until the office ends or this program goes, whichever comes first;
// whether the program went (the office is then killed and reaped).
bool waitForOfficeOrOwner(pid_t office, int *status)
{
    const int officeFd = static_cast<int>(::syscall(SYS_pidfd_open, office, 0));
    for (;;) {
        pollfd watched[2] = {{ownerFd, POLLIN, 0}, {officeFd, POLLIN, 0}};
        // Without a process descriptor (an old kernel) the office is looked at twice a second.
        const int ready = ::poll(watched, officeFd >= 0 ? 2 : 1, officeFd >= 0 ? -1 : 500);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready > 0 && watched[0].revents != 0) {
            ::kill(office, SIGKILL);
            ::waitpid(office, status, 0);
            return true;
        }
        if (::waitpid(office, status, officeFd >= 0 ? 0 : WNOHANG) == office)
            return false;
    }
}

[[noreturn]] void runKeeper(KeeperPlan &plan, int ownerRead)
{
    resetSignals();
    // Out of the way first: the standard descriptors are replaced next.
    const int owner = ::fcntl(ownerRead, F_DUPFD, 10);
    const int null = ::open("/dev/null", O_RDWR);
    for (int fd = 0; fd <= 2; ++fd)
        ::dup2(null, fd);
    ::dup2(owner, ownerFd);
    ::fcntl(ownerFd, F_SETFD, FD_CLOEXEC);
    closeFrom(ownerFd + 1);
    const pid_t keeper = ::getpid();
    for (;;) {
        const pid_t office = ::fork();
        if (office == 0)
            runOffice(plan, keeper);
        if (office < 0)
            break;
        writePidFile(plan, office);
        int status = 0;
        if (waitForOfficeOrOwner(office, &status) || !WIFEXITED(status) || WEXITSTATUS(status) != restartStatus)
            break;
    }
    ::execve(plan.removal.pointers()[0], plan.removal.pointers(), plan.environment.pointers());
    ::_exit(1);
}

} // namespace

void OfficeProcess::ensureCanStart()
{
    if (::access(officeBinary, X_OK) != 0)
        throw automation::Failure(
            QStringLiteral("LibreOffice could not be started: \"%1\" is missing.").arg(QLatin1String(officeBinary)));
    if (::access(QFile::encodeName(temporaryFolder()).constData(), W_OK | X_OK) != 0)
        throwNoFolder();
}

OfficeProcess::OfficeProcess()
{
    ensureCanStart();
    m_folder = makePrivateFolder();
    m_pipeName = QStringLiteral("parvolin-") + QFileInfo(m_folder).fileName();
    // The connection to the office is a local socket: a write after the office
    // has ended must come back as an error the call reports, not as a signal
    // that ends this program (it did, now and then, as an office quit).
    std::signal(SIGPIPE, SIG_IGN);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("FONTCONFIG_FILE"), writeFontConfig(m_folder));
    // The office's own temporary files go inside the private folder, so that
    // they go with it even when the office is killed.
    const QString officeTemp = m_folder + QStringLiteral("/tmp");
    QDir().mkdir(officeTemp);
    for (const char *variable : {"TMPDIR", "TMP", "TEMP"})
        environment.insert(QLatin1String(variable), officeTemp);
    KeeperPlan plan{CommandLine(officeArguments(m_folder, m_pipeName)), CommandLine(environment.toStringList()),
                    CommandLine({QStringLiteral("/bin/rm"), QStringLiteral("-rf"), QStringLiteral("--"), m_folder,
                                 officePipeSocket(m_pipeName)}),
                    QFile::encodeName(m_folder + QStringLiteral("/office.pid")).toStdString(),
                    QFile::encodeName(m_folder + QStringLiteral("/office.pid.new")).toStdString()};
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0) {
        QDir(m_folder).removeRecursively();
        throw automation::Failure(QStringLiteral("LibreOffice could not be started: no pipe to its keeper."));
    }
    m_keeper = ::fork();
    if (m_keeper == 0)
        runKeeper(plan, ends[0]);
    ::close(ends[0]);
    if (m_keeper < 0) {
        ::close(ends[1]);
        QDir(m_folder).removeRecursively();
        throw automation::Failure(QStringLiteral("LibreOffice could not be started: no process could be made."));
    }
    m_ownerPipe = ends[1];
    CallWatch::watch(this);
}

OfficeProcess::~OfficeProcess()
{
    CallWatch::unwatch(this);
    stop();
    waitForKeeper();
}

void OfficeProcess::stop()
{
    if (m_ownerPipe >= 0)
        ::close(m_ownerPipe);
    m_ownerPipe = -1;
}

void OfficeProcess::waitForKeeper()
{
    // The keeper kills the office at once and removes a folder of a few hundred kilobytes.
    for (int waitedMs = 0; isRunning() && waitedMs < 5000; waitedMs += 10)
        QThread::msleep(10);
    if (isRunning()) {
        killOffice();
        ::kill(m_keeper, SIGKILL);
    }
    ::waitpid(m_keeper, nullptr, 0);
    if (QFileInfo::exists(m_folder))
        QDir(m_folder).removeRecursively();
}

bool OfficeProcess::isRunning() const
{
    // Only looked at, not reaped, so that any thread may ask any number of times.
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(m_keeper), &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid == 0;
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
