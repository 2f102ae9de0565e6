#pragma once

#include <memory>
#include <vector>

namespace engine {

class BuiltInApplication;

// The process-wide list of built-in instances that are alive now, which is
// what "attach to a running instance" finds.
class InstanceRegistry {
public:
    static void add(const std::shared_ptr<BuiltInApplication> &application);
    static void remove(const BuiltInApplication *application);
    // The most recently started live instance, or null.
    static std::shared_ptr<BuiltInApplication> newest();
    static std::size_t count();
};

} // namespace engine
