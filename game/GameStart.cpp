#include "GameStart.h"

#include "Level.h"
#include "Score.h"
#include "Timer.h"

namespace {

// The last game's frozen displays show its result on the end and title
// screens; a new game's own displays take their place.
void removeAll(const char* type) {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    const vl::ObjectList displays = world.collectByType(type);
    for (int i = 0; i < displays.count(); ++i) {
        world.queueForDeletion(displays[i]);
    }
}

}  // namespace

GameStart::GameStart() {
    setType("GameStart");
    setSprite("gamestart");
    setPosition(vl::Vector(40, 23));
}

void GameStart::moveOn() {
    vl::WorldManager::getInstance().queueForDeletion(this);
    removeAll("Timer");
    removeAll("Score");
    new Timer;
    new Score;
    new Level(1);
}
