#include "endsignals.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QWidget>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace app {
namespace {

int signalPipe[2] = {-1, -1};

} // namespace

EndSignals::EndSignals()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    m_notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &EndSignals::closeVisibleWindow);
    struct sigaction action {};
    action.sa_handler = &EndSignals::onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

EndSignals::~EndSignals()
{
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (int signal : {SIGTERM, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

void EndSignals::onSignal(int signal)
{
    // Only what is safe in a signal handler: one write.
    const char byte = static_cast<char>(signal);
    const ssize_t written = ::write(signalPipe[1], &byte, 1);
    static_cast<void>(written);
}

void EndSignals::closeVisibleWindow()
{
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    // The preview first: its closing deletes the generated document before
    // the program ends. Closing either window ends the program.
    for (const char *name : {"Form2", "Form1"}) {
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QLatin1String(name) && window->isVisible()) {
                window->close();
                return;
            }
        }
    }
    // No window shows (still starting, say): end as the data-entry window would.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("Form1"))
            window->close();
}

} // namespace app
