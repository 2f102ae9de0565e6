#include "settingsstore.h"

#include "failure.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>

namespace shell {
namespace {

quint64 writeCount = 0;

QString statusText(QSettings::Status status)
{
    return status == QSettings::FormatError ? QStringLiteral("its contents are not in the expected format")
                                            : QStringLiteral("the file could not be read or written");
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
    QSettings settings(fileName(), QSettings::IniFormat);
    if (settings.status() != QSettings::NoError)
        throw Failure(QStringLiteral("The setting \"%1\" could not be read from %2: %3.")
                          .arg(key, settings.fileName(), statusText(settings.status())));
    settings.beginGroup(QLatin1String(section));
    const QVariant value = settings.value(key);
    // A value edited by hand into "a, b" comes back as a list; keep its text.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    return value.toString();
}

quint64 SettingsStore::writesSoFar()
{
    return writeCount;
}

void SettingsStore::write(const QString &key, const QString &value)
{
    ++writeCount;
    const QString path = fileName();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings settings(path, QSettings::IniFormat);
    settings.beginGroup(QLatin1String(section));
    settings.setValue(key, value);
    settings.endGroup();
    settings.sync();
    if (settings.status() != QSettings::NoError)
        throw Failure(QStringLiteral("The setting \"%1\" could not be saved to %2: %3.")
                          .arg(key, path, statusText(settings.status())));
}

} // namespace shell
