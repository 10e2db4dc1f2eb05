#pragma once

#include <string>

namespace vl {

/// Type names by which receivers tell events apart (whole, case-sensitive).
inline constexpr char kUndefinedEvent[] = "vl::undefined";
inline constexpr char kStepEvent[] = "vl::step";
inline constexpr char kCollisionEvent[] = "vl::collision";
inline constexpr char kOutEvent[] = "vl::out";
inline constexpr char kViewEvent[] = "vl::view";
inline constexpr char kKeyboardEvent[] = "vl::keyboard";
inline constexpr char kMouseEvent[] = "vl::mouse";

/// Base of every event. Senders build events as locals and hand them out by
/// pointer for one call; receivers copy out what they need and never keep them.
class Event {
  public:
    Event() = default;
    /// An event of the given type name, built in one step: the world builds
    /// one for every collision.
    explicit Event(const char* type_name) : type(type_name) {}
    virtual ~Event() = default;

    /// The type name, one of the k...Event constants for the engine's events.
    const std::string& getType() const { return type; }
    /// Sets the type name; a game's own events use names of their own.
    void setType(std::string new_type) { type = std::move(new_type); }

  private:
    std::string type = kUndefinedEvent;
};

}  // namespace vl
