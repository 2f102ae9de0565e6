#include "singleinstance.h"

#include "shell/settingsstore.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QWidget>

namespace app {
namespace {

constexpr int answerWaitMs = 2000;
const QByteArray frontRequest = "front\n";

} // namespace

SingleInstance::SingleInstance() = default;

SingleInstance::~SingleInstance() = default;

QString SingleInstance::socketName()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    // Two stores (a test's, say) may each have their program; one store one.
    const QByteArray store = QFile::encodeName(QFileInfo(shell::SettingsStore::fileName()).absoluteFilePath());
    const QString tag = QString::fromLatin1(QCryptographicHash::hash(store, QCryptographicHash::Sha1).toHex().left(16));
    return QDir(folder).filePath(QStringLiteral("parvolin-%1").arg(tag));
}

bool SingleInstance::askRunningProgram() const
{
    QLocalSocket socket;
    socket.connectToServer(socketName());
    if (!socket.waitForConnected(answerWaitMs))
        return false;
    socket.write(frontRequest);
    socket.waitForBytesWritten(answerWaitMs);
    // The running program answers once it has its window in front; a program
    // that hangs is not waited for long.
    return socket.waitForReadyRead(answerWaitMs) && socket.readAll().startsWith("ok");
}

bool SingleInstance::handedToRunningProgram(std::function<void()> bringToFront)
{
    if (askRunningProgram())
        return true;
    m_bringToFront = std::move(bringToFront);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
    if (m_server->listen(socketName()))
        return false;
    // A socket is there but nobody answered: left by a program that was
    // killed, or a start at the very same moment. Ask once more, then take it.
    if (askRunningProgram())
        return true;
    QLocalServer::removeServer(socketName());
    m_server->listen(socketName());
    return false;
}

void SingleInstance::answer()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            if (!socket->readAll().contains(frontRequest))
                return;
            if (m_bringToFront)
                m_bringToFront();
            socket->write("ok\n");
            socket->flush();
        });
    }
}

void bringVisibleWindowToFront()
{
    QWidget *front = nullptr;
    for (const char *name : {"Form2", "Form1"}) {
        for (QWidget *window : QApplication::topLevelWidgets())
            if (!front && window->isVisible() && window->objectName() == QLatin1String(name))
                front = window;
    }
    if (!front)
        return;
    if (front->isMinimized())
        front->showNormal();
    front->raise();
    front->activateWindow();
}

} // namespace app
