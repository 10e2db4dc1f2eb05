#include "enemyHit.h"

#include "Bullet.h"

int takeHit(vl::Object& enemy, const vl::EventCollision& collision) {
    Bullet* bullet = Bullet::inCollision(collision);
    if (bullet == nullptr || bullet->getOwner() == kTurretOwner) {
        return 0;
    }
    vl::WorldManager& world = vl::WorldManager::getInstance();
    world.queueForDeletion(&enemy);
    world.queueForDeletion(bullet);
    return 1;
}

void reportPoints(const std::string& tag, int points) {
    const vl::EventView view(tag, points);
    vl::Manager::broadcast(&view);
}
