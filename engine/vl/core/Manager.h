#pragma once

#include <string>

namespace vl {

class Event;

// Base of every engine service. Each manager exists once, reached through its
// class's getInstance(), and goes built -> started -> shut down.
class Manager {
  public:
    Manager(const Manager&) = delete;
    Manager& operator=(const Manager&) = delete;
    virtual ~Manager() = default;

    virtual int startUp();
    virtual void shutDown();

    bool isStarted() const { return started; }
    const std::string& getType() const { return type_name; }
    void setType(std::string type) { type_name = std::move(type); }

    // Hands the event to every object that is in the world when the call
    // begins, in list order. Objects created by a handler miss this event;
    // handlers must queue objects for deletion rather than delete them.
    static void broadcast(const Event* event);

  protected:
    Manager() = default;
    void setStarted(bool value) { started = value; }

  private:
    std::string type_name;
    bool started = false;
};

}  // namespace vl
