#include "vl/resources/Music.h"

namespace vl {

void Music::play(bool loop) {
    music.setLoop(loop);
    music.play();
}

}  // namespace vl
