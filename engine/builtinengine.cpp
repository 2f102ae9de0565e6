#include "builtinapplication.h"
#include "instanceregistry.h"
#include "word/engine.h"
#include "word/error.h"

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
        throw word::Error(QStringLiteral("No instance of the built-in word processor is running."));
    }
};

} // namespace
} // namespace engine

std::shared_ptr<word::Engine> word::builtInEngine()
{
    static const auto engine = std::make_shared<engine::BuiltInEngine>();
    return engine;
}
