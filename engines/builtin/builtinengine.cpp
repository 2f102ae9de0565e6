#include "builtinengine.h"

#include "builtinapplication.h"
#include "instanceregistry.h"
#include "automation/word/engine.h"
#include "automation/failure.h"

namespace engine {
namespace {

class BuiltInEngine : public word::Engine {
public:
    QString knownName() const override { return QString::fromLatin1(BuiltInApplication::productName); }

    std::shared_ptr<word::Application> create() override
    {
        auto application = std::make_shared<BuiltInApplication>();
        InstanceRegistry::add(application);
        return application;
    }

    std::shared_ptr<word::Application> attachRunning() override
    {
        if (auto running = InstanceRegistry::newest())
            return running;
        throw automation::Failure(QStringLiteral("No instance of the built-in word processor is running."));
    }
};

} // namespace

std::shared_ptr<word::Engine> builtInEngine()
{
    static const auto engine = std::make_shared<BuiltInEngine>();
    return engine;
}

} // namespace engine
