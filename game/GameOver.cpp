#include "GameOver.h"

// The score is frozen before the enemies go, so their points do not count.
GameOver::GameOver() : EndScreen(true) {
    setType("GameOver");
    setSprite("gameover");
    setSolidness(vl::Solidness::Intangible);
    setPosition(vl::Vector(43, 23));
}
