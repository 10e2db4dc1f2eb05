#include "EndScreen.h"

#include <string>

#include "GameStart.h"
#include "Score.h"
#include "Timer.h"

namespace {

bool isSweptAway(const std::string& type) {
    return type == "Player" || type == "Bullet" || type == "Turret" || type == "Zombie" ||
           type == "Level" || type == "Reticle";
}

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

}  // namespace

EndScreen::EndScreen(bool reset_score) {
    sweepField(reset_score);
}

int EndScreen::handleEvent(const vl::Event* event) {
    if (event->getType() == vl::kStepEvent && title_due) {
        // Made only after the frame's keys, the title screen takes none of
        // the presses that were meant for this screen.
        title_due = false;
        vl::WorldManager::getInstance().queueForDeletion(this);
        new GameStart;
        return 1;
    }
    return KeyScreen::handleEvent(event);
}

void EndScreen::moveOn() {
    title_due = true;
}
