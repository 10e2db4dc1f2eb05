#include "GameOver.h"

#include "endScreen.h"

GameOver::GameOver() {
    setType("GameOver");
    setSprite("gameover");
    setSolidness(vl::Solidness::Intangible);
    setPosition(vl::Vector(43, 23));
    // The score is frozen before the enemies go, so their points do not count.
    sweepField(true);
}

int GameOver::handleEvent(const vl::Event* event) {
    return handleEndScreenKey(*this, event);
}
