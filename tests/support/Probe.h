#pragma once

#include <functional>
#include <string>
#include <vector>

#include <vl/vl.h>

// A test object that writes what happens to it into a shared log, as
// "<name>:<event type>" for events, "<name>:draw" and "<name>:destroyed", and
// runs an optional hook on every event it receives after logging it. Keyboard
// and mouse events are logged as "<name>:key <Key value> <action>" and
// "<name>:mouse <action> <button> <x>,<y>"; an empty name logs no prefix.
class Probe : public vl::Object {
  public:
    Probe(std::string probe_name, std::vector<std::string>* probe_log);
    ~Probe() override;

    int handleEvent(const vl::Event* event) override;
    int draw() override;

    std::function<void(Probe&, const vl::Event&)> on_event;

  private:
    void note(const std::string& what);

    std::string name;
    std::vector<std::string>* log;
};
