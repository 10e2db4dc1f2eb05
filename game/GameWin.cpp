#include "GameWin.h"

GameWin::GameWin() : EndScreen(false) {
    setType("GameWin");
    setSprite("gamewin");
    setPosition(vl::Vector(43, 16));
}
