#pragma once

#include <cstdint>

#include "vl/core/Manager.h"

namespace vl {

/// The length of one frame of the game loop: about 30 frames a second.
constexpr int32_t kFrameMilliseconds = 33;

/// Starts the engine's managers and runs the fixed-rate game loop.
class GameManager : public Manager {
  public:
    /// The one game manager, built on first use.
    static GameManager& getInstance();
    /// Shuts the world down first if the game is still started.
    ~GameManager() override;

    /// Starts display, world, input and resources, in that order, and sizes the
    /// world and its view to the display's 82 × 24 cells, also when one of
    /// them failed. -1 when any of them failed.
    int startUp() override;
    /// Starts the world and resources but no window, no input and no audio
    /// device, with the world and its view sized as startUp sizes them, so
    /// that runFrame runs whole frames where no display exists (tests, tools).
    /// Drawing then reaches only the display's cell record, when recording;
    /// sounds and music load and play unheard. A display or input already
    /// started stays as it is. 0 when the world and resources started.
    int startUpHeadless();
    /// Destroys every object in the world and marks the game finished.
    void shutDown() override;

    /// Runs frames, each paced to frame_ms, until the game is finished at the
    /// end of a frame. Returns at once when it is finished already.
    void run();
    /// Everything one frame does except the pacing sleep: input, the step
    /// event, the world's update, drawing and presenting.
    void runFrame();

    /// With true, run returns after the frame under way; game code calls it to
    /// end the program.
    void setFinished(bool value) { finished = value; }
    /// Whether run returns (or has returned) at the end of the frame.
    bool isFinished() const { return finished; }
    /// With true, a window manager's request to close the window (Alt+F4, a
    /// taskbar's close) finishes the game as setFinished(true) does; with false, the default, such
    /// a request is ignored and the game ends only when it says so.
    void setFinishOnClose(bool value) { finish_on_close = value; }
    /// Whether a request to close the window finishes the game.
    bool isFinishOnClose() const { return finish_on_close; }
    /// The length of a frame in milliseconds: kFrameMilliseconds.
    int32_t getFrameMilliseconds() const { return frame_ms; }

  private:
    GameManager();
    /// Sets the world's bounds and view to the display's cells.
    void fitWorldToDisplay();

    bool finished = false;
    bool finish_on_close = false;
    int32_t frame_ms = kFrameMilliseconds;
};

}  // namespace vl
