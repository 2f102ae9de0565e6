#pragma once

#include <QProcess>
#include <QString>

namespace engines::libreoffice {

// One private, headless LibreOffice process: its own profile folder, made
// exclusively in the temporary folder, and its own pipe. A small shell keeper
// runs the office (again when a fresh profile asks for the restart LibreOffice
// does on first start), ends it when this program is gone, and removes the
// profile folder once it has ended, so neither outlives the program even when
// the program is closed or killed mid-run.
class OfficeProcess {
public:
    // Starts the process; throws automation::Failure when it cannot be started.
    OfficeProcess();
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess &) = delete;
    OfficeProcess &operator=(const OfficeProcess &) = delete;

    QString pipeName() const { return m_pipeName; }
    // The private folder: the profile, and room for files the engine makes.
    QString folder() const { return m_folder; }
    // Whether the keeper still runs (it restarts the office once on a fresh profile).
    bool isRunning() const;
    // Whether the office itself is alive now.
    bool isOfficeAlive() const;
    // Waits up to `waitMs` for the office to end by itself (after it was asked
    // to terminate), kills it otherwise, and removes the private folder.
    void end(int waitMs);

    // Whether `commandLine` (arguments separated by NUL) belongs to an office
    // this program started, rather than to one the user runs.
    static bool isPrivateOffice(const QByteArray &commandLine);

    // Kills the office at once (safe from any thread); the keeper then
    // removes the profile folder.
    void killOffice();

private:
    qint64 officePid() const;

    QString m_folder;
    QString m_pipeName;
    // Mutable: asking whether it still runs lets Qt notice that it ended.
    mutable QProcess m_keeper;
};

} // namespace engines::libreoffice
