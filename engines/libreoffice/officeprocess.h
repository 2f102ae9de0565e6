#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace engines::libreoffice {

// One private, headless LibreOffice process: its own profile folder, made
// exclusively in the temporary folder, and its own pipe. A keeper process,
// forked from this program, runs the office (again when a fresh profile asks
// for the restart LibreOffice does on first start) and removes the profile
// folder once the office has ended. The office dies with its keeper (a
// parent-death signal), and the keeper ends the office as soon as this
// program is gone (it waits on a pipe only this program holds open), so
// neither outlives the program, even when the program is killed.
class OfficeProcess {
public:
    // Starts the keeper and the office; throws automation::Failure when it cannot be started.
    OfficeProcess();
    // Ends the office and waits until the keeper has removed the private folder.
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess &) = delete;
    OfficeProcess &operator=(const OfficeProcess &) = delete;

    // Throws automation::Failure with the reason when no office could be started now.
    static void ensureCanStart();

    QString pipeName() const { return m_pipeName; }
    // The private folder: the profile, and room for files the engine makes.
    QString folder() const { return m_folder; }
    // Whether the keeper still runs (it restarts the office once on a fresh
    // profile); safe from any thread.
    bool isRunning() const;
    // Whether the office itself is alive now.
    bool isOfficeAlive() const;
    // Tells the keeper to end the office without waiting for it; the keeper
    // then removes the private folder.
    void stop();

    // Whether `commandLine` (arguments separated by NUL) belongs to an office
    // this program started, rather than to one the user runs.
    static bool isPrivateOffice(const QByteArray &commandLine);

    // Kills the office at once (safe from any thread); the keeper then
    // removes the profile folder.
    void killOffice();

private:
    qint64 officePid() const;
    void waitForKeeper();

    QString m_folder;
    QString m_pipeName;
    pid_t m_keeper = -1;
    // The write end of the pipe the keeper watches; closing it ends the office.
    int m_ownerPipe = -1;
};

} // namespace engines::libreoffice
