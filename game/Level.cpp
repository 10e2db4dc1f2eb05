#include "Level.h"

#include <vector>

#include "GameWin.h"
#include "Player.h"
#include "Turret.h"
#include "Zombie.h"

namespace {

struct TurretPlace {
    TurretKind kind;
    vl::Vector position;
};

struct Layout {
    std::vector<vl::Vector> zombies;
    std::vector<TurretPlace> turrets;
};

// The ten levels, in order. Zombies are made first, then turrets, each in the
// order given.
const Layout& layoutOf(int number) {
    static const Layout kLayouts[kLastLevel] = {
        {{{70, 3}, {70, 17}}, {}},
        {{{75, 3}, {35, 6}, {45, 10}, {25, 13}, {65, 16}, {75, 20}}, {}},
        {{}, {{TurretKind::Sniper, {70, 12}}}},
        {{{70, 18}, {38, 6}, {42, 3}}, {{TurretKind::Sniper, {70, 12}}}},
        {{}, {{TurretKind::Three, {70, 12}}}},
        {{{70, 3}, {45, 16}, {25, 6}},
         {{TurretKind::Three, {70, 6}}, {TurretKind::Sniper, {70, 18}}}},
        {{}, {{TurretKind::Machine, {70, 12}}}},
        {{{65, 5}, {40, 18}, {25, 2}}, {{TurretKind::Machine, {70, 12}}}},
        {{{70, 3}, {45, 16}, {25, 6}, {25, 2}}, {{TurretKind::Machine, {70, 12}}}},
        {{{45, 16}, {25, 6}}, {{TurretKind::Machine, {70, 6}}, {TurretKind::Sniper, {70, 18}}}},
    };
    return kLayouts[number - 1];
}

const char* spriteLabelOf(TurretKind kind) {
    switch (kind) {
        case TurretKind::Three:
            return "three";
        case TurretKind::Machine:
            return "machine";
        case TurretKind::Sniper:
            return "sniper";
    }
    return "";
}

bool isEnemy(const vl::Object& object) {
    return object.getType() == "Turret" || object.getType() == "Zombie";
}

}  // namespace

Level::Level(int number) : level_number(number) {
    setViewString("Level");
    setType("Level");
    setBorder(false);
    setLocation(vl::TopCenter);
    player = new Player;
    setValue(number);
    layOutEnemies();
}

void Level::layOutEnemies() const {
    if (level_number < 1 || level_number > kLastLevel) {
        return;
    }
    const Layout& layout = layoutOf(level_number);
    for (const vl::Vector& position : layout.zombies) {
        new Zombie(position);
    }
    for (const TurretPlace& turret : layout.turrets) {
        new Turret(turret.position, turret.kind, spriteLabelOf(turret.kind));
    }
}

int Level::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kStepEvent) {
        return 0;
    }
    const vl::ObjectList snapshot = vl::WorldManager::getInstance().allObjects();
    for (int i = 0; i < snapshot.count(); ++i) {
        if (isEnemy(*snapshot[i])) {
            return 1;
        }
    }
    if (!player->isLevelComplete()) {
        end(snapshot);
    }
    return 1;
}

void Level::end(const vl::ObjectList& snapshot) {
    player->setLevelComplete(true);
    vl::WorldManager& world = vl::WorldManager::getInstance();
    world.queueForDeletion(player);
    world.queueForDeletion(this);
    for (int i = 0; i < snapshot.count(); ++i) {
        if (snapshot[i]->getType() == "Bullet") {
            world.queueForDeletion(snapshot[i]);
        }
    }
    if (level_number < kLastLevel) {
        new Level(level_number + 1);
    } else {
        new GameWin;
    }
}
