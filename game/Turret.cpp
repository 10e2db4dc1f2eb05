#include "Turret.h"

#include "Bullet.h"
#include "enemyHit.h"

namespace {

struct TurretRhythm {
    int fire_slowdown;
    int burst_slowdown;
    int points;
};

TurretRhythm rhythmOf(TurretKind kind) {
    switch (kind) {
        case TurretKind::Three:
            return {5, 33, 125000};
        case TurretKind::Machine:
            return {10, 0, 250000};
        case TurretKind::Sniper:
            return {66, 0, 100000};
    }
    return {0, 0, 0};
}

// Turrets aim two and a half cells left of the player and fire from a muzzle
// down and to the left of their position.
constexpr double kAimOffset = 2.5;
constexpr double kMuzzleOffsetX = -1.5;
constexpr double kMuzzleOffsetY = 1.5;
constexpr float kSniperSpeedFactor = 2.5f;

}  // namespace

Turret::Turret(vl::Vector start, TurretKind turret_kind, const std::string& sprite_label)
    : kind(turret_kind) {
    setPosition(start);
    setSprite(sprite_label);
    setType("Turret");
    const TurretRhythm rhythm = rhythmOf(kind);
    fire_slowdown = rhythm.fire_slowdown;
    fire_countdown = rhythm.fire_slowdown;
    burst_slowdown = rhythm.burst_slowdown;
    burst_countdown = rhythm.burst_slowdown;
    points = rhythm.points;
}

Turret::~Turret() {
    reportPoints("Turret", points);
}

int Turret::handleEvent(const vl::Event* event) {
    if (event->getType() == vl::kStepEvent) {
        stepWeapon();
        return 1;
    }
    if (event->getType() == vl::kCollisionEvent) {
        return takeHit(*this, *static_cast<const vl::EventCollision*>(event));
    }
    return 0;
}

void Turret::stepWeapon() {
    if (!firing && --burst_countdown <= 0) {
        firing = true;
        burst_countdown = burst_slowdown;
        shots_in_burst = 0;
    }
    switch (kind) {
        case TurretKind::Three:
            if (shots_in_burst > 2) {
                firing = false;
            }
            break;
        case TurretKind::Machine:
            break;
        case TurretKind::Sniper:
            if (shots_in_burst > 0) {
                firing = false;
            }
            break;
    }
    if (!firing) {
        return;
    }
    if (fire_countdown > 0) {
        --fire_countdown;
    }
    // With no player in the world there is nothing to aim at.
    const vl::ObjectList players = vl::WorldManager::getInstance().collectByType("Player");
    if (players.count() > 0) {
        fireAt(players[0]->getPosition(), kind);
    }
}

void Turret::fireAt(vl::Vector target, TurretKind turret_kind) {
    if (fire_countdown > 0) {
        return;
    }
    fire_countdown = fire_slowdown;
    const vl::Vector position = getPosition();
    vl::Vector aim(static_cast<float>(target.x - kAimOffset) - position.x, target.y - position.y);
    aim.normalize();
    if (turret_kind == TurretKind::Sniper) {
        aim.scale(kSniperSpeedFactor);
    }
    const vl::Vector muzzle(static_cast<float>(position.x + kMuzzleOffsetX),
                            static_cast<float>(position.y + kMuzzleOffsetY));
    auto* bullet = new Bullet(muzzle, "enemybullet", kTurretOwner);
    bullet->setVelocity(aim);
    ++shots_in_burst;
    vl::playSound("pew");
}
