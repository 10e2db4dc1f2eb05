#include "Player.h"

#include "Bullet.h"
#include "GameOver.h"
#include "Reticle.h"

namespace {

// The step's tiny move leaves the position as it is but passes the player
// through the world's collision test, which is how a zombie's touch is found.
constexpr float kInPlaceMove = 0.0000001f;
constexpr float kBulletSpeed = 2.0f;
// The player aims two cells right of and one cell below the reticle.
const vl::Vector kAimOffset(2, 1);

void countDown(int& countdown) {
    if (--countdown < 0) {
        countdown = 0;
    }
}

}  // namespace

Player::Player() {
    setSprite("player");
    setPosition(vl::Vector(5, 12));
    setType("Player");
    reticle = new Reticle;
}

Player::~Player() {
    vl::WorldManager::getInstance().queueForDeletion(reticle);
    if (!level_complete) {
        new GameOver;
    }
}

int Player::handleEvent(const vl::Event* event) {
    const std::string& type = event->getType();
    if (type == vl::kKeyboardEvent) {
        return handleKeyboard(*static_cast<const vl::EventKeyboard*>(event));
    }
    if (type == vl::kMouseEvent) {
        // A press fires too, or a click within one frame would be lost; holding
        // keeps its rhythm, as the countdown refuses the press's second shot.
        const vl::MouseAction action = static_cast<const vl::EventMouse*>(event)->getAction();
        if (action != vl::MouseAction::Held && action != vl::MouseAction::Pressed) {
            return 0;
        }
        fire(reticle->getPosition());
        return 1;
    }
    if (type == vl::kStepEvent) {
        move(0, kInPlaceMove);
        countDown(move_countdown);
        countDown(fire_countdown);
        return 1;
    }
    if (type == vl::kCollisionEvent) {
        return handleCollision(*static_cast<const vl::EventCollision*>(event));
    }
    return 0;
}

int Player::handleKeyboard(const vl::EventKeyboard& keyboard) {
    const vl::Key key = keyboard.getKey();
    if (key == vl::Key::Escape) {
        vl::WorldManager::getInstance().queueForDeletion(this);
        return 1;
    }
    if (keyboard.getAction() != vl::KeyAction::Held) {
        return 1;
    }
    switch (key) {
        case vl::Key::A:
            move(-1, 0);
            break;
        case vl::Key::D:
            move(1, 0);
            break;
        case vl::Key::S:
            move(0, 1);
            break;
        case vl::Key::W:
            move(0, -1);
            break;
        default:
            break;
    }
    return 1;
}

int Player::handleCollision(const vl::EventCollision& collision) {
    if (const Bullet* bullet = Bullet::inCollision(collision)) {
        if (bullet->getOwner() != kPlayerOwner) {
            vl::WorldManager::getInstance().queueForDeletion(this);
        }
        return 1;
    }
    if (collision.getMover()->getType() == "Zombie" ||
        collision.getOther()->getType() == "Zombie") {
        vl::WorldManager::getInstance().queueForDeletion(this);
        return 1;
    }
    return 0;
}

void Player::move(float dx, float dy) {
    if (move_countdown > 0) {
        return;
    }
    const vl::Vector position = getPosition();
    const vl::Vector target(position.x + dx, position.y + 0.5f * dy);
    move_countdown = move_slowdown;
    vl::WorldManager& world = vl::WorldManager::getInstance();
    const vl::Box bounds = world.getWorldBounds();
    // The field ends a row short of the head-up display and three rows above
    // the bottom edge.
    if (1 < target.y && target.y < bounds.vertical - 3 && 1 < target.x &&
        target.x < bounds.horizontal) {
        world.moveObjectTo(this, target);
    }
}

void Player::fire(vl::Vector target) {
    const vl::Vector aim = target + kAimOffset;
    if (fire_countdown > 0) {
        return;
    }
    fire_countdown = fire_slowdown;
    vl::Vector direction = aim - getPosition();
    direction.normalize();
    direction.scale(kBulletSpeed);
    auto* bullet = new Bullet(getPosition(), "bullet", kPlayerOwner);
    bullet->setVelocity(direction);
    vl::playSound("gunshot");
}
