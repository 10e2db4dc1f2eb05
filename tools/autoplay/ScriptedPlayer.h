#pragma once

#include <vl/vl.h>

// Plays the game through the input events a person causes: P on every screen,
// the pointer over a target, a held button, and W, A, S, D to dodge turret
// bullets and keep away from zombies. Each frame it reads the world, sends the
// frame's input in the order the input manager does, and runs the frame.
class ScriptedPlayer {
  public:
    enum class Goal {
        Win,  // clear every level
        Die,  // start a game and let the zombies come
    };

    explicit ScriptedPlayer(Goal player_goal) : goal(player_goal) {}

    // Sends this frame's input and runs the whole frame.
    void playFrame();
    // Sends this frame's input only, for a driver that runs inside the game
    // loop or times the frame on its own.
    void sendInput();
    // Plays frames until done() holds or the frame limit is reached; false
    // when the limit was reached first.
    template <typename Done>
    bool playUntil(Done done, int frame_limit) {
        for (int i = 0; i < frame_limit; ++i) {
            if (done()) {
                return true;
            }
            playFrame();
        }
        return done();
    }

    int framesPlayed() const { return frames; }

  private:
    void playLevel(vl::Object& player);
    vl::Key chooseMove(const vl::Object& player) const;

    Goal goal;
    bool p_down = false;
    vl::Key last_move = vl::Key::Undefined;
    int frames = 0;
};
