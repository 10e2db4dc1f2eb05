#include "endScreen.h"

#include <string>

#include "GameStart.h"
#include "Score.h"
#include "Timer.h"

namespace {

bool isSweptAway(const std::string& type) {
    return type == "Player" || type == "Bullet" || type == "Turret" || type == "Zombie" ||
           type == "Level" || type == "Reticle";
}

}  // namespace

void sweepField(bool reset_score) {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    const vl::ObjectList snapshot = world.allObjects();
    for (int i = 0; i < snapshot.count(); ++i) {
        vl::Object* object = snapshot[i];
        const std::string& type = object->getType();
        if (isSweptAway(type)) {
            world.queueForDeletion(object);
        } else if (type == "Score") {
            auto* score = static_cast<Score*>(object);
            if (reset_score) {
                score->setValue(0);
            }
            score->setActive(false);
        } else if (type == "Timer") {
            static_cast<Timer*>(object)->setActive(false);
        }
    }
}

int handleEndScreenKey(vl::Object& screen, const vl::Event* event) {
    if (event->getType() != vl::kKeyboardEvent) {
        return 0;
    }
    const auto* keyboard = static_cast<const vl::EventKeyboard*>(event);
    if (keyboard->getAction() != vl::KeyAction::Pressed) {
        return 1;
    }
    if (keyboard->getKey() == vl::Key::Escape) {
        vl::GameManager::getInstance().setFinished(true);
    } else if (keyboard->getKey() == vl::Key::P) {
        vl::WorldManager::getInstance().queueForDeletion(&screen);
        new GameStart;
    }
    return 1;
}
