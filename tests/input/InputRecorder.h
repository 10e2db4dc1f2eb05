#pragma once

#include <functional>
#include <string>
#include <vector>

#include <vl/vl.h>

// A world object that writes down every keyboard and mouse event it receives,
// as "key <Key value> <action>" or "mouse <action> <button> <x>,<y>".
class InputRecorder : public vl::Object {
  public:
    InputRecorder();

    int handleEvent(const vl::Event* event) override;

    // Hands over what was recorded so far and starts a new record.
    std::vector<std::string> take();

    // Runs after each recorded event.
    std::function<void(const std::string&)> on_record;

  private:
    std::vector<std::string> records;
};
