#include "vl/core/Manager.h"

#include "vl/world/Object.h"
#include "vl/world/WorldManager.h"

namespace vl {

int Manager::startUp() {
    started = true;
    return 0;
}

void Manager::shutDown() {
    started = false;
}

void Manager::broadcast(const Event* event) {
    const ObjectList snapshot = WorldManager::getInstance().allObjects();
    for (int i = 0; i < snapshot.count(); ++i) {
        snapshot[i]->handleEvent(event);
    }
}

}  // namespace vl
