#include "ScriptedPlayer.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "sendInput.h"
#include "velloc.h"

namespace {

using vl::Key;
using vl::Vector;

// How far ahead dodging looks, in frames, and how close a zombie may come.
constexpr int kLookAhead = 45;
constexpr float kZombieComfort = 6.0f;

vl::Object* first(const char* type) {
    const vl::ObjectList matches = vl::WorldManager::getInstance().collectByType(type);
    return matches.count() > 0 ? matches[0] : nullptr;
}

float distance(Vector a, Vector b) {
    return (a - b).magnitude();
}

// Where the player would be after walking k frames in one direction: a step
// every second frame, within the field's limits.
Vector walked(Vector start, Key key, int k) {
    const float steps = static_cast<float>(k / 2);
    Vector p = start;
    switch (key) {
        case Key::W:
            p.y = std::max(1.5f, p.y - 0.5f * steps);
            break;
        case Key::S:
            p.y = std::min(20.5f, p.y + 0.5f * steps);
            break;
        case Key::A:
            p.x = std::max(2.0f, p.x - steps);
            break;
        case Key::D:
            p.x = std::min(30.0f, p.x + steps);
            break;
        default:
            break;
    }
    return p;
}

vl::Box boxAt(const vl::Object& object, Vector position, float margin) {
    vl::Box box = object.getBox();
    box.corner = box.corner + position - Vector(margin, margin);
    box.horizontal += 2 * margin;
    box.vertical += 2 * margin;
    return box;
}

// The aim point that sends a bullet from the player's muzzle through target:
// the player aims two cells right of and one below the reticle, and its bullet
// starts two cells right of and 0.4 cells above it.
Vector pointerFor(Vector target) {
    return vl::cellsToPixels(target - Vector(4, 0.6f));
}

// Turrets first, then the nearest zombie, led by how far it walks while the
// bullet flies.
bool chooseTarget(const vl::Object& player, Vector& target) {
    if (vl::Object* turret = first("Turret")) {
        target = turret->getPosition();
        return true;
    }
    const vl::ObjectList zombies = vl::WorldManager::getInstance().collectByType("Zombie");
    float best = std::numeric_limits<float>::max();
    for (int i = 0; i < zombies.count(); ++i) {
        const float d = distance(zombies[i]->getPosition(), player.getPosition());
        if (d < best) {
            best = d;
            target = zombies[i]->getPosition();
        }
    }
    if (zombies.count() == 0) {
        return false;
    }
    Vector toward = player.getPosition() - target;
    toward.normalize();
    toward.scale(best / 2 / 5);
    target = target + toward;
    return true;
}

}  // namespace

void ScriptedPlayer::playFrame() {
    sendInput();
    vl::GameManager::getInstance().runFrame();
    ++frames;
}

void ScriptedPlayer::sendInput() {
    const bool on_screen = first("GameStart") != nullptr || first("GameOver") != nullptr ||
                           first("GameWin") != nullptr;
    if (p_down) {
        sendKey(Key::P, vl::KeyAction::Released);
        p_down = false;
    } else if (on_screen) {
        sendKey(Key::P, vl::KeyAction::Pressed);
        p_down = true;
    }
    vl::Object* player = first("Player");
    if (player != nullptr && goal == Goal::Win) {
        playLevel(*player);
    }
}

void ScriptedPlayer::playLevel(vl::Object& player) {
    Vector target;
    const bool aiming = chooseTarget(player, target);
    if (aiming) {
        sendPointer(pointerFor(target));
    }
    const Key move = chooseMove(player);
    last_move = move;
    if (move != Key::Undefined) {
        sendKey(move, vl::KeyAction::Held);
    }
    if (aiming) {
        sendButton(vl::MouseButton::Left, vl::MouseAction::Held);
    }
}

Key ScriptedPlayer::chooseMove(const vl::Object& player) const {
    const vl::ObjectList bullets = vl::WorldManager::getInstance().collectByType("Bullet");
    const vl::ObjectList zombies = vl::WorldManager::getInstance().collectByType("Zombie");
    Key best_key = Key::Undefined;
    float best_score = -std::numeric_limits<float>::max();
    for (Key key : {Key::Undefined, last_move, Key::W, Key::S, Key::A, Key::D}) {
        // The frames until a turret bullet would hit, walking this way.
        int safe_frames = kLookAhead;
        for (int i = 0; i < bullets.count(); ++i) {
            const auto* bullet = static_cast<const Bullet*>(bullets[i]);
            if (bullet->getOwner() != kTurretOwner) {
                continue;
            }
            for (int k = 1; k < safe_frames; ++k) {
                Vector flight = bullet->velocity();
                flight.scale(static_cast<float>(k));
                const vl::Box bullet_box = boxAt(*bullet, bullet->getPosition() + flight, 0);
                if (vl::boxesOverlap(bullet_box,
                                     boxAt(player, walked(player.getPosition(), key, k), 0.6f))) {
                    safe_frames = k;
                    break;
                }
            }
        }
        float nearest_zombie = kZombieComfort;
        const Vector end = walked(player.getPosition(), key, 10);
        for (int i = 0; i < zombies.count(); ++i) {
            nearest_zombie = std::min(nearest_zombie, distance(zombies[i]->getPosition(), end));
        }
        float score = static_cast<float>(safe_frames) * 10 + nearest_zombie * 20;
        if (key == Key::Undefined) {
            score += 1;  // standing still keeps the aim steady
        }
        if (score > best_score) {
            best_score = score;
            best_key = key;
        }
    }
    return best_key;
}
