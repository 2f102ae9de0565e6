#include "settingsstore.h"

#include "automation/failure.h"
#include "safewrite.h"
#include "settingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace shell {
namespace {

// The whole file, or nothing when there is none yet.
QByteArray fileBytes(const QString &path, const QString &key, const char *doing)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw automation::Failure(QStringLiteral("The setting \"%1\" could not be %2 %3: %4")
                          .arg(key, QLatin1String(doing), path, file.errorString()));
    return bytes;
}

} // namespace

QString SettingsStore::fileName()
{
    QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (folder.isEmpty() || QDir::isRelativePath(folder))
        folder = QDir::homePath() + QStringLiteral("/.config");
    return QDir(folder).filePath(QLatin1String(applicationName) + QStringLiteral(".conf"));
}

QString SettingsStore::read(const QString &key) const
{
    const QString path = fileName();
    const SettingsFile file(fileBytes(path, key, "read from"));
    const SettingsFile::Entry entry = file.find(QLatin1String(section), key);
    if (entry.value.damage != initext::Damage::None)
        throw automation::Failure(QStringLiteral("The stored value of \"%1\" is damaged (line %2 of %3: %4), so it is not "
                                     "shown; what you type into the field is stored anew.")
                          .arg(key)
                          .arg(entry.lineNumber)
                          .arg(path, initext::describe(entry.value.damage)));
    return entry.value.text;
}

void SettingsStore::write(const QString &key, const QString &value)
{
    const QString path = fileName();
    // An unreadable store is never replaced: what it holds would be lost.
    SettingsFile file(fileBytes(path, key, "saved to"));
    file.set(QLatin1String(section), key, value);
    QDir().mkpath(QFileInfo(path).absolutePath());
    try {
        replaceFileSyncingLater(path, file.bytes());
    } catch (const automation::Failure &failure) {
        throw automation::Failure(QStringLiteral("The setting \"%1\" could not be saved: %2").arg(key, failure.description()));
    }
}

} // namespace shell
