#pragma once

#include <cstdint>

#include "vl/core/Manager.h"

namespace vl {

constexpr int32_t kFrameMilliseconds = 33;

// Starts the engine's managers and runs the fixed-rate game loop.
class GameManager : public Manager {
  public:
    static GameManager& getInstance();
    ~GameManager() override;

    // Starts display, world, input and resources, in that order, and sizes the
    // world and its view to the display's cells. -1 when any of them failed.
    int startUp() override;
    // Destroys every object in the world and marks the game finished.
    void shutDown() override;

    // Runs frames, each paced to frame_ms, until the game is finished at the
    // end of a frame. Returns at once when it is finished already.
    void run();
    // Everything one frame does except the pacing sleep: input, the step
    // event, the world's update, drawing and presenting.
    void runFrame();

    void setFinished(bool value) { finished = value; }
    bool isFinished() const { return finished; }
    int32_t getFrameMilliseconds() const { return frame_ms; }

  private:
    GameManager();

    bool finished = false;
    int32_t frame_ms = kFrameMilliseconds;
};

}  // namespace vl
