#include "round.h"

#include "Food.h"
#include "Snake.h"

namespace {

constexpr int kStartLength = 4;
const vl::Vector kStartCell(10, 12);
const char* const kRoundTypes[] = {"Snake", "Segment", "Food", "GameOver"};

bool isTaken(vl::Vector cell) {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    const vl::ObjectList& objects = world.allObjects();
    for (int i = 0; i < objects.count(); ++i) {
        const vl::Object* object = objects[i];
        if (object->getPosition() == cell && !world.isQueuedForDeletion(object)) {
            return true;
        }
    }
    return false;
}

}  // namespace

vl::Box pieceBox() {
    return vl::Box(vl::Vector(-0.25f, -0.25f), 0.5f, 0.5f);
}

void startGame() {
    vl::WorldManager::getInstance().setWorldBounds(kField);
    auto* score = new vl::ViewObject;
    score->setViewString(kScoreTag);
    score->setBorder(false);
    score->setLocation(vl::TopLeft);
    startRound();
}

void startRound() {
    new Snake(kStartCell, kStartLength);
    new Food(freeCell());
    const vl::EventView reset(kScoreTag, 0, false);
    vl::Manager::broadcast(&reset);
}

void clearRound() {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    for (const char* type : kRoundTypes) {
        const vl::ObjectList pieces = world.collectByType(type);
        for (int i = 0; i < pieces.count(); ++i) {
            world.queueForDeletion(pieces[i]);
        }
    }
}

vl::Vector freeCell() {
    // From the engine's random source, which a recording keeps the seed of,
    // so that a recorded game replays with its food where it was.
    const int columns = static_cast<int>(kField.horizontal) + 1;
    const int rows = static_cast<int>(kField.vertical) + 1;
    const int cells = columns * rows;
    const int first = vl::randomInt(0, cells - 1);
    for (int k = 0; k < cells; ++k) {
        const int n = (first + k) % cells;
        const vl::Vector cell(kField.corner.x + static_cast<float>(n % columns),
                              kField.corner.y + static_cast<float>(n / columns));
        if (!isTaken(cell)) {
            return cell;
        }
    }
    return vl::Vector(kField.corner.x + kField.horizontal / 2,
                      kField.corner.y + kField.vertical / 2);
}
