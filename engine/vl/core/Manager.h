#pragma once

#include <string>

namespace vl {

class Event;

/// Base of every engine service. Each manager exists once, reached through its
/// class's getInstance(), and goes built -> started -> shut down.
class Manager {
  public:
    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;
    /// Frees the manager's own resources at program exit.
    virtual ~Manager() = default;

    /// Starts the service: 0 on success, -1 on failure. The base only marks
    /// the manager started.
    virtual int startUp();
    /// Stops the service. The base only marks the manager not started.
    virtual void shutDown();

    /// True from a startUp until the next shutDown.
    bool isStarted() const { return started; }
    /// The manager's class name ("WorldManager", ...), for identification only.
    const std::string& getType() const { return type_name; }
    /// Sets the name getType returns.
    void setType(std::string type) { type_name = std::move(type); }

    /// Hands the event to every object that is in the world when the call
    /// begins, in list order. Objects created by a handler miss this event;
    /// handlers must queue objects for deletion rather than delete them.
    static void broadcast(const Event* event);

  protected:
    /// Not started, with an empty type name.
    Manager() = default;
    /// For derived managers' own startUp and shutDown.
    void setStarted(bool value) { started = value; }

  private:
    std::string type_name;
    bool started = false;
};

}  // namespace vl
