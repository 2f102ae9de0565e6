#include "instanceregistry.h"

#include "builtinapplication.h"

#include <algorithm>

namespace engine {
namespace {

std::vector<std::weak_ptr<BuiltInApplication>> &instances()
{
    static std::vector<std::weak_ptr<BuiltInApplication>> list;
    return list;
}

void dropDead()
{
    auto &list = instances();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [](const auto &weak) { return weak.expired(); }),
               list.end());
}

} // namespace

void InstanceRegistry::add(const std::shared_ptr<BuiltInApplication> &application)
{
    dropDead();
    instances().push_back(application);
}

void InstanceRegistry::remove(const BuiltInApplication *application)
{
    auto &list = instances();
    list.erase(std::remove_if(list.begin(), list.end(),
                              [application](const auto &weak) {
                                  const auto alive = weak.lock();
                                  return !alive || alive.get() == application;
                              }),
               list.end());
}

std::shared_ptr<BuiltInApplication> InstanceRegistry::newest()
{
    dropDead();
    return instances().empty() ? nullptr : instances().back().lock();
}

std::size_t InstanceRegistry::count()
{
    dropDead();
    return instances().size();
}

} // namespace engine
