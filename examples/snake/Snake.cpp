#include "Snake.h"

#include "Food.h"
#include "GameOver.h"
#include "Segment.h"
#include "round.h"

namespace {

struct Steering {
    vl::Key key;
    vl::Vector heading;
};

const Steering kSteering[] = {
    {vl::Key::ArrowUp, vl::Vector(0, -1)},   {vl::Key::W, vl::Vector(0, -1)},
    {vl::Key::ArrowDown, vl::Vector(0, 1)},  {vl::Key::S, vl::Vector(0, 1)},
    {vl::Key::ArrowLeft, vl::Vector(-1, 0)}, {vl::Key::A, vl::Vector(-1, 0)},
    {vl::Key::ArrowRight, vl::Vector(1, 0)}, {vl::Key::D, vl::Vector(1, 0)},
};

}  // namespace

Snake::Snake(vl::Vector cell, int length) {
    setType("Snake");
    setSprite("head");
    setBox(pieceBox());
    setSolidness(vl::Solidness::Permeable);
    // Above the body, so that a crash shows the head on the piece it hit.
    setAltitude(4);
    setPosition(cell);
    for (int i = 1; i < length; ++i) {
        body.push_back(new Segment(vl::Vector(cell.x - static_cast<float>(i), cell.y)));
    }
}

int Snake::handleEvent(const vl::Event* event) {
    const std::string& type = event->getType();
    if (type == vl::kKeyboardEvent) {
        const auto* keyboard = static_cast<const vl::EventKeyboard*>(event);
        if (keyboard->getAction() == vl::KeyAction::Pressed) {
            steer(keyboard->getKey());
        }
        return 1;
    }
    if (type == vl::kStepEvent) {
        step();
        return 1;
    }
    if (type == vl::kCollisionEvent) {
        collide(*static_cast<const vl::EventCollision*>(event));
        return 1;
    }
    if (type == vl::kOutEvent) {
        die();
        return 1;
    }
    return 0;
}

void Snake::steer(vl::Key key) {
    if (key == vl::Key::Escape) {
        vl::GameManager::getInstance().setFinished(true);
        return;
    }
    for (const Steering& steering : kSteering) {
        // Turning back onto the body is not a move a snake can make.
        if (steering.key == key && steering.heading != vl::Vector(-heading.x, -heading.y)) {
            next_heading = steering.heading;
        }
    }
}

void Snake::step() {
    if (!alive || --countdown > 0) {
        return;
    }
    heading = next_heading;
    countdown = heading.y == 0 ? kStepsPerMoveAcross : kStepsPerMoveUpDown;
    advance();
}

void Snake::advance() {
    // The body follows by moving its last piece into the head's cell, or, while
    // growing, by a new piece there.
    if (growth > 0) {
        body.push_front(new Segment(getPosition()));
        --growth;
    } else if (!body.empty()) {
        Segment* tail = body.back();
        body.pop_back();
        tail->setPosition(getPosition());
        body.push_front(tail);
    }
    // Collision and out-of-world events for this move arrive before it returns.
    vl::WorldManager::getInstance().moveObjectTo(this, getPosition() + heading);
    if (ate) {
        ate = false;
        vl::playSound("chomp");
        const vl::EventView points(kScoreTag, kPointsPerFood);
        vl::Manager::broadcast(&points);
        new Food(freeCell());
    }
}

void Snake::collide(const vl::EventCollision& collision) {
    vl::Object* other = collision.getOther();
    if (other->getType() == "Food") {
        vl::WorldManager::getInstance().queueForDeletion(other);
        growth += kGrowthPerFood;
        ate = true;
    } else if (other->getType() == "Segment") {
        die();
    }
}

void Snake::die() {
    if (!alive) {
        return;
    }
    alive = false;
    vl::playSound("crash");
    new GameOver;
}
