#include "testenvironment.h"

#include <QDir>
#include <QTemporaryDir>
#include <QUuid>

#include <memory>

namespace testsupport {
namespace {

QTemporaryDir &root()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/parvolin-test-XXXXXX"));
    return dir;
}

} // namespace

QString privateRoot()
{
    return root().path();
}

QString freshFolder(const QString &purpose)
{
    const QString path = privateRoot() + QLatin1Char('/') + purpose + QLatin1Char('-')
                         + QUuid::createUuid().toString(QUuid::WithoutBraces);
    QDir().mkpath(path);
    return path;
}

void useLetterPaper()
{
    qputenv("PAPERSIZE", "letter");
}

ScopedVariable::ScopedVariable(const char *name, const QByteArray &value)
    : m_name(name)
    , m_wasSet(qEnvironmentVariableIsSet(name))
    , m_previous(qgetenv(name))
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}

ScopedVariable::~ScopedVariable()
{
    if (m_wasSet)
        qputenv(m_name, m_previous);
    else
        qunsetenv(m_name);
}

QString freshSettingsFolder()
{
    const QString folder = freshFolder(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder));
    return folder;
}

} // namespace testsupport
