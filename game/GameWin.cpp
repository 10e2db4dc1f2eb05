#include "GameWin.h"

#include "endScreen.h"

GameWin::GameWin() {
    setType("GameWin");
    setSprite("gamewin");
    setPosition(vl::Vector(43, 16));
    sweepField(false);
}

int GameWin::handleEvent(const vl::Event* event) {
    return handleEndScreenKey(*this, event);
}
