#pragma once

#include <QObject>

class QSocketNotifier;

namespace app {

// Ends the program on SIGTERM and SIGHUP (the desktop's logout, a closed
// terminal) as closing its window does, so the preview's generated document
// is deleted then too. The signal only writes a byte into a pipe; the window
// is closed from the event loop, where that is safe.
class EndSignals : public QObject {
    Q_OBJECT

public:
    EndSignals();
    ~EndSignals() override;

private:
    static void onSignal(int signal);
    void closeVisibleWindow();

    QSocketNotifier *m_notifier = nullptr;
};

} // namespace app
