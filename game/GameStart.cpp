#include "GameStart.h"

#include "Level.h"
#include "Score.h"
#include "Timer.h"
#include "coveredDisplays.h"

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
        new Timer;
        new Score;
        // The new displays, which only grow, may already cover frozen ones.
        dropCoveredDisplays("Timer");
        dropCoveredDisplays("Score");
        new Level(1);
    }
}
