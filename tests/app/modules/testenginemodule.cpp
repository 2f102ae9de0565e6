// An engine module for the loader's tests. Built once with an entry that
// registers an engine under TEST_ENGINE_NAME, and once with no entry at all.
#include "automation/enginemodule.h"
#include "automation/failure.h"
#include "automation/word/engine.h"

#include <QtGlobal>

#ifdef TEST_ENGINE_NAME
namespace {

class TestEngine : public word::Engine {
public:
    QString knownName() const override { return QStringLiteral("Test engine"); }
    std::shared_ptr<word::Application> create() override
    {
        throw automation::Failure(QStringLiteral("The test engine starts nothing."));
    }
    std::shared_ptr<word::Application> attachRunning() override { return create(); }
};

} // namespace

extern "C" Q_DECL_EXPORT void parvolinRegisterEngines(automation::EngineRegistrar &registrar)
{
    registrar.add(QStringLiteral(TEST_ENGINE_NAME), std::make_shared<TestEngine>());
}
#else
extern "C" Q_DECL_EXPORT int parvolinSomethingElse()
{
    return 1;
}
#endif
