#include "GameStart.h"

#include "Level.h"
#include "Score.h"
#include "Timer.h"

namespace {

// Every finished game leaves its displays in the world, each new pair drawn
// over the older ones at the same places. A full world silently refuses new
// objects, which would leave a game without its enemies and, in the end,
// without any screen that answers a key. So the oldest pairs, long covered by
// newer ones, make room before the world could fill up.
void retireOldestDisplays(const char* type) {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    const vl::ObjectList displays = world.collectByType(type);
    for (int i = 0; i <= displays.count() - kKeptFinishedGames; ++i) {
        world.queueForDeletion(displays[i]);
    }
}

}  // namespace

GameStart::GameStart() {
    setType("GameStart");
    setSprite("gamestart");
    setPosition(vl::Vector(40, 23));
}

int GameStart::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kKeyboardEvent) {
        return 0;
    }
    handleKey(*static_cast<const vl::EventKeyboard*>(event));
    return 1;
}

void GameStart::handleKey(const vl::EventKeyboard& keyboard) {
    if (keyboard.getAction() != vl::KeyAction::Pressed) {
        return;
    }
    if (keyboard.getKey() == vl::Key::Escape) {
        vl::GameManager::getInstance().setFinished(true);
    } else if (keyboard.getKey() == vl::Key::P) {
        vl::WorldManager::getInstance().queueForDeletion(this);
        retireOldestDisplays("Timer");
        retireOldestDisplays("Score");
        new Timer;
        new Score;
        new Level(1);
    }
}
