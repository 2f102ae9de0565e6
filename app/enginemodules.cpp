#include "enginemodules.h"

#include "automation/enginemodule.h"
#include "generator/engineregistry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>
#include <QRegularExpression>
#include <QStringList>

#include <exception>

namespace app {
namespace {

// Hands what a module registers on to the program's registry, noting the names.
class ModuleRegistrar : public automation::EngineRegistrar {
public:
    void add(const QString &name, std::shared_ptr<word::Engine> engine) override
    {
        if (!engine)
            return;
        generator::EngineRegistry::add(name, std::move(engine));
        m_names << name;
    }

    bool registered(const QString &name) const { return m_names.contains(name); }

private:
    QStringList m_names;
};

// Only plain names make a file name: the variable cannot lead the loader
// out of the engine folder.
bool isModuleName(const QString &name)
{
    static const QRegularExpression plain(QStringLiteral("^[a-z0-9_-]+$"));
    return plain.match(name).hasMatch();
}

} // namespace

QString engineFolder()
{
    const QDir program(QCoreApplication::applicationDirPath());
    const QString beside = program.filePath(QStringLiteral("engines"));
    if (QFileInfo(beside).isDir())
        return beside;
    return QDir::cleanPath(program.filePath(QStringLiteral(PARVOLIN_ENGINES_FROM_PROGRAM)));
}

void loadEngineModule(const QString &name, const QString &folder)
{
    if (!isModuleName(name))
        return;
    const QString path = QDir(folder).filePath(name + QStringLiteral(".so"));
    if (!QFileInfo::exists(path))
        return;
    // Never unloaded: the engines it registers live as long as the program.
    QLibrary module(path);
    if (!module.load()) {
        qWarning("The engine module %s could not be loaded: %s", qPrintable(path), qPrintable(module.errorString()));
        return;
    }
    const auto entry = reinterpret_cast<automation::RegisterEnginesFunction>(
        module.resolve(automation::registerEnginesEntry));
    if (!entry) {
        qWarning("The engine module %s has no function %s.", qPrintable(path), automation::registerEnginesEntry);
        return;
    }
    ModuleRegistrar registrar;
    try {
        entry(registrar);
    } catch (const std::exception &failure) {
        qWarning("The engine module %s failed to register: %s", qPrintable(path), failure.what());
    }
    if (!registrar.registered(name))
        qWarning("The engine module %s registered no engine named \"%s\".", qPrintable(path), qPrintable(name));
}

} // namespace app
