#include "coveredDisplays.h"

#include <vl/vl.h>

#include "Score.h"
#include "Timer.h"

namespace {

bool isFrozen(const vl::Object& display) {
    const std::string& type = display.getType();
    return (type == "Score" && !static_cast<const Score&>(display).isActive()) ||
           (type == "Timer" && !static_cast<const Timer&>(display).isActive());
}

// Texts are centred on the display's place, so of two at one place the
// longer one covers every cell of the shorter.
bool covers(const vl::ViewObject& newer, const vl::ViewObject& older) {
    return newer.getPosition() == older.getPosition() &&
           newer.getAltitude() == older.getAltitude() && newer.getBorder() == older.getBorder() &&
           newer.getColor() == older.getColor() && newer.getViewString() == older.getViewString() &&
           newer.getText().size() >= older.getText().size();
}

}  // namespace

void dropCoveredDisplays(const std::string& type) {
    vl::WorldManager& world = vl::WorldManager::getInstance();
    const vl::ObjectList displays = world.collectByType(type);
    for (int older = 0; older < displays.count(); ++older) {
        if (!isFrozen(*displays[older])) {
            continue;
        }
        const auto& hidden = static_cast<const vl::ViewObject&>(*displays[older]);
        for (int newer = older + 1; newer < displays.count(); ++newer) {
            if (covers(static_cast<const vl::ViewObject&>(*displays[newer]), hidden)) {
                world.queueForDeletion(displays[older]);
                break;
            }
        }
    }
}
