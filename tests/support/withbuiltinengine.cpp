// Linked into the suites that drive the program's windows or its generator:
// the built-in engine registered under its name, as the program does at start.
#include "engines/builtin/builtinengine.h"
#include "generator/engineregistry.h"

#include <gtest/gtest.h>

namespace {

class BuiltInEngineRegistered : public ::testing::Environment {
public:
    void SetUp() override
    {
        generator::EngineRegistry::add(QString::fromLatin1(generator::EngineRegistry::builtInKey),
                                       engine::builtInEngine());
    }
};

const auto *const registered = ::testing::AddGlobalTestEnvironment(new BuiltInEngineRegistered);

} // namespace
