#pragma once

#include <cstdint>
#include <string>

#include <vl/vl.h>

enum class TurretKind : int32_t {
    Three = 0,    // bursts of three shots
    Machine = 1,  // a shot every ten steps, for ever
    Sniper = 2,   // single shots, two and a half times as fast
};

// A stationary enemy that shoots at the player in its kind's rhythm.
class Turret : public vl::Object {
  public:
    Turret(vl::Vector start, TurretKind turret_kind, const std::string& sprite_label);
    // Reports the turret's points to the score, whatever destroyed it.
    ~Turret() override;

    int handleEvent(const vl::Event* event) override;

  private:
    void stepWeapon();
    void fireAt(vl::Vector target, TurretKind turret_kind);

    int fire_slowdown = 0;
    int fire_countdown = 0;
    int burst_slowdown = 0;
    int burst_countdown = 0;
    int points = 0;
    int shots_in_burst = 0;
    bool firing = false;
    TurretKind kind;
};
