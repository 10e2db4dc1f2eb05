#include "support/Probe.h"

Probe::Probe(std::string probe_name, std::vector<std::string>* probe_log)
    : name(std::move(probe_name)), log(probe_log) {
    setType("Probe");
}

Probe::~Probe() {
    log->push_back(name + ":destroyed");
}

int Probe::handleEvent(const vl::Event* event) {
    log->push_back(name + ":" + event->getType());
    if (on_event) {
        on_event(*this, *event);
    }
    return vl::Object::handleEvent(event);
}

int Probe::draw() {
    log->push_back(name + ":draw");
    return 0;
}
