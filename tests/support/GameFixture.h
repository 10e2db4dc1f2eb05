#pragma once

#include <string>

#include "sendInput.h"
#include "support/WorldFixture.h"
#include "velloc.h"

// A started, empty world with the game's assets loaded from the run folder.
class GameFixture : public WorldFixture {
  protected:
    static void SetUpTestSuite();
};

// Presses and releases a key in two frames, as a player would.
void tapKey(vl::Key key);

// How many objects of a type are in the world, and the first of them.
int countOfType(const std::string& type);
template <typename T>
T* firstOfType(const std::string& type) {
    const vl::ObjectList matches = vl::WorldManager::getInstance().collectByType(type);
    return matches.count() > 0 ? static_cast<T*>(matches[0]) : nullptr;
}
template <typename T>
T* lastOfType(const std::string& type) {
    const vl::ObjectList matches = vl::WorldManager::getInstance().collectByType(type);
    return matches.count() > 0 ? static_cast<T*>(matches[matches.count() - 1]) : nullptr;
}
