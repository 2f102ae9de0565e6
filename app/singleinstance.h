#pragma once

#include <QObject>
#include <QString>

#include <functional>

class QLocalServer;

namespace app {

// One running program per settings store: a second start asks the running one
// to bring its window to the front and ends, so two windows never type into
// one store. The two meet at a local socket in the user's runtime folder.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    SingleInstance();
    ~SingleInstance() override;

    // True when a running program took the request to come to the front; this
    // one should then end. Otherwise this program answers later starts by
    // calling `bringToFront`.
    bool handedToRunningProgram(std::function<void()> bringToFront);

    // Where the running program listens: named after the store it edits.
    static QString socketName();

private:
    bool askRunningProgram() const;
    void answer();

    QLocalServer *m_server = nullptr;
    std::function<void()> m_bringToFront;
};

// Brings the program's visible window to the front: the preview while it
// shows, else the data-entry window.
void bringVisibleWindowToFront();

} // namespace app
