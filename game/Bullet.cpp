#include "Bullet.h"

Bullet::Bullet(vl::Vector start, const std::string& sprite_label, std::string bullet_owner) {
    setSprite(sprite_label);
    setSolidness(vl::Solidness::Permeable);
    setType("Bullet");
    setSpeed(1.0f);
    owner = std::move(bullet_owner);
    if (owner == kTurretOwner) {
        setPosition(vl::Vector(start.x + 2.0f, start.y - 1.0f));
    } else if (owner == kPlayerOwner) {
        setPosition(vl::Vector(start.x + 2.0f, static_cast<float>(start.y - 0.4)));
    }
}

int Bullet::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kOutEvent) {
        return 0;
    }
    vl::WorldManager::getInstance().queueForDeletion(this);
    return 1;
}

Bullet* Bullet::inCollision(const vl::EventCollision& collision) {
    for (vl::Object* object : {collision.getMover(), collision.getOther()}) {
        if (object->getType() == "Bullet") {
            return static_cast<Bullet*>(object);
        }
    }
    return nullptr;
}
