#include "GameOver.h"

#include "round.h"

namespace {

// The banner is 23 cells wide, so its top row lies 23 / 2 = 11 rows above its
// position: placed on row 20, it covers rows 9 to 12.
const vl::Vector kBannerPosition(41, 20);

}  // namespace

GameOver::GameOver() {
    setType("GameOver");
    setSprite("gameover");
    setSolidness(vl::Solidness::Intangible);
    setAltitude(vl::kMaxAltitude);
    setPosition(kBannerPosition);
}

int GameOver::handleEvent(const vl::Event* event) {
    if (event->getType() != vl::kKeyboardEvent) {
        return 0;
    }
    const auto* keyboard = static_cast<const vl::EventKeyboard*>(event);
    if (keyboard->getAction() != vl::KeyAction::Pressed) {
        return 0;
    }
    if (keyboard->getKey() == vl::Key::R) {
        clearRound();
        startRound();
    } else if (keyboard->getKey() == vl::Key::Escape) {
        vl::GameManager::getInstance().setFinished(true);
    }
    return 1;
}
