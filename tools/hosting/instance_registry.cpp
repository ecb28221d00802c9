// The map from effect records to hosted instances.
#include "instance_registry.h"

#include <mutex>
#include <unordered_map>

namespace fendwick {
namespace {

std::mutex& registryLock()
{
    static std::mutex lock;
    return lock;
}

std::unordered_map<const EffectRecord*, HostedPlugin*>& instances()
{
    static std::unordered_map<const EffectRecord*, HostedPlugin*> map;
    return map;
}

thread_local HostedPlugin* instanceUnderConstruction = nullptr;

}  // namespace

void InstanceRegistry::add(const EffectRecord* effect, HostedPlugin* instance)
{
    const std::lock_guard<std::mutex> guard(registryLock());
    instances()[effect] = instance;
}

void InstanceRegistry::remove(const EffectRecord* effect)
{
    const std::lock_guard<std::mutex> guard(registryLock());
    instances().erase(effect);
}

HostedPlugin* InstanceRegistry::find(const EffectRecord* effect)
{
    if (effect != nullptr) {
        const std::lock_guard<std::mutex> guard(registryLock());
        const auto found = instances().find(effect);
        if (found != instances().end()) {
            return found->second;
        }
    }
    return instanceUnderConstruction;
}

InstanceRegistry::Construction::Construction(HostedPlugin* instance)
{
    instanceUnderConstruction = instance;
}

InstanceRegistry::Construction::~Construction()
{
    instanceUnderConstruction = nullptr;
}

}  // namespace fendwick
