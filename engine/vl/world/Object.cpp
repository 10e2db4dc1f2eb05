#include "vl/world/Object.h"

#include "vl/display/drawFrame.h"
#include "vl/resources/ResourceManager.h"
#include "vl/resources/Sprite.h"
#include "vl/world/WorldManager.h"

namespace vl {

namespace {
int next_object_id = 0;
}

Object::Object() : id(next_object_id++) {
    WorldManager::getInstance().addObject(this);
}

Object::~Object() {
    WorldManager::getInstance().removeObject(this);
}

void Object::setPosition(Vector new_position) {
    position = new_position;
    refile();
}

void Object::setSolidness(Solidness new_solidness) {
    solidness = new_solidness;
    refile();
}

void Object::setBox(Box new_box) {
    box = new_box;
    refile();
}

void Object::refile() {
    if (world_entry.entries > 0) {
        WorldManager::getInstance().refile(*this);
    }
}

void Object::setVelocity(Vector v) {
    speed = v.magnitude();
    v.normalize();
    direction = v;
}

Vector Object::velocity() const {
    Vector v = direction;
    v.scale(speed);
    return v;
}

int Object::setSprite(const std::string& label) {
    const Sprite* sprite = ResourceManager::getInstance().getSprite(label);
    if (sprite == nullptr) {
        return -1;
    }
    animation.sprite = sprite;
    const int width = sprite->getWidth();
    const int height = sprite->getHeight();
    box = Box(Vector(static_cast<float>(-(width / 2)), static_cast<float>(-(height / 2))),
              static_cast<float>(width), static_cast<float>(height));
    refile();
    return 0;
}

int Object::handleEvent(const Event* event) {
    const std::string& event_type = event->getType();
    return event_type == kStepEvent || event_type == kMouseEvent || event_type == kKeyboardEvent ||
                   event_type == kCollisionEvent || event_type == kOutEvent
               ? 1
               : 0;
}

int Object::draw() {
    const Sprite* sprite = animation.sprite;
    if (sprite == nullptr) {
        return 0;
    }
    drawFrame(*sprite, animation.frame_index, position);
    int count = animation.slowdown_count + 1;
    if (count >= sprite->getSlowdown()) {
        count = 0;
        const int next = animation.frame_index + 1;
        animation.frame_index = next < sprite->getFrameCount() ? next : 0;
    }
    animation.slowdown_count = count;
    return 0;
}

}  // namespace vl
