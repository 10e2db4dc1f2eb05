#pragma once

#include <vl/vl.h>

// The frozen score and time displays of this many finished games stay in the
// world; starting a game retires the oldest pairs beyond that, so the world's
// 1000 places never fill up with them.
inline constexpr int kKeptFinishedGames = 400;

// The title screen: P starts a game, Escape quits.
class GameStart : public vl::Object {
  public:
    GameStart();

    int handleEvent(const vl::Event* event) override;

  private:
    void handleKey(const vl::EventKeyboard& keyboard);
};
