#include "app/enginemodules.h"
#include "generator/engineregistry.h"
#include "automation/failure.h"
#include "automation/word/engine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ModuleCase {
    const char *label;
    const char *name;
    bool available;
};

class EngineModuleLoading : public ::testing::TestWithParam<ModuleCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        ASSERT_TRUE(QDir(m_folder.path()).mkdir(QStringLiteral("engines")));
        for (const char *module : {"working", "noentry", "registersnothing"})
            copyModule(module, engines());
        // A name must not lead out of the engine folder, to a module beside it.
        copyModule("working", m_folder.path());
        QFile notALibrary(engines() + QStringLiteral("/notalibrary.so"));
        ASSERT_TRUE(notALibrary.open(QIODevice::WriteOnly));
        notALibrary.write("not an ELF file\n");
    }

    void TearDown() override
    {
        generator::EngineRegistry::remove(QString::fromLatin1(GetParam().name));
        qunsetenv(generator::EngineRegistry::selectorVariable);
    }

    QString engines() const { return m_folder.filePath(QStringLiteral("engines")); }

    static void copyModule(const char *module, const QString &folder)
    {
        const QString file = QStringLiteral("/%1.so").arg(QLatin1String(module));
        ASSERT_TRUE(QFile::copy(QStringLiteral(PARVOLIN_TEST_MODULES) + file, folder + file));
    }

    QTemporaryDir m_folder;
};

// A module that cannot give the engine must leave it unregistered, so that
// choosing it ends in the advice for a missing word processor rather than a
// crash or a half-registered engine.
TEST_P(EngineModuleLoading, OnlyAModuleThatRegistersTheEngineMakesItAvailable)
{
    const QString name = QString::fromLatin1(GetParam().name);
    app::loadEngineModule(name, engines());
    qputenv(generator::EngineRegistry::selectorVariable, name.toUtf8());
    if (GetParam().available) {
        EXPECT_EQ(generator::EngineRegistry::selected()->knownName(), QStringLiteral("Test engine"));
        return;
    }
    try {
        generator::EngineRegistry::selected();
        ADD_FAILURE() << "the engine " << GetParam().name << " was registered";
    } catch (const automation::Failure &failure) {
        EXPECT_EQ(failure.description(),
                  QStringLiteral("The word processor \"%1\" named by PARVOLIN_ENGINE is not available.").arg(name));
    }
}

INSTANTIATE_TEST_SUITE_P(Modules, EngineModuleLoading,
                         ::testing::Values(ModuleCase{"Registers", "working", true},
                                           ModuleCase{"Missing", "missing", false},
                                           ModuleCase{"NotALibrary", "notalibrary", false},
                                           ModuleCase{"NoEntry", "noentry", false},
                                           ModuleCase{"RegistersAnotherName", "registersnothing", false},
                                           ModuleCase{"OutsideTheFolder", "../working", false}),
                         [](const auto &info) { return std::string(info.param.label); });

} // namespace
