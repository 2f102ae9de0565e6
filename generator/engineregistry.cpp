#include "engineregistry.h"

#include "automation/word/engine.h"
#include "automation/failure.h"

#include <map>

namespace generator {
namespace {

const QString wordClass = QStringLiteral("Word.Application");

std::map<QString, std::shared_ptr<word::Engine>> &engines()
{
    static std::map<QString, std::shared_ptr<word::Engine>> registered;
    return registered;
}

std::shared_ptr<word::Engine> engineFor(const QString &progId)
{
    if (progId != wordClass)
        throw automation::Failure(QStringLiteral("The class \"%1\" is not known; only \"%2\" can be created.")
                              .arg(progId, wordClass));
    return EngineRegistry::selected();
}

} // namespace

void EngineRegistry::add(const QString &key, std::shared_ptr<word::Engine> engine)
{
    engines()[key] = std::move(engine);
}

void EngineRegistry::remove(const QString &key)
{
    engines().erase(key);
}

std::shared_ptr<word::Engine> EngineRegistry::selected()
{
    QString key = qEnvironmentVariable(selectorVariable);
    if (key.isEmpty())
        key = QString::fromLatin1(builtInKey);
    const auto found = engines().find(key);
    if (found == engines().end() || !found->second)
        throw automation::Failure(QStringLiteral("The word processor \"%1\" named by %2 is not available.")
                              .arg(key, QLatin1String(selectorVariable)));
    return found->second;
}

std::shared_ptr<word::Application> createObject(const QString &progId)
{
    return engineFor(progId)->create();
}

std::shared_ptr<word::Application> getObject(const QString &progId)
{
    return engineFor(progId)->attachRunning();
}

} // namespace generator
