#include "vl/display/ViewObject.h"

#include "vl/display/DisplayManager.h"
#include "vl/world/EventView.h"
#include "vl/world/WorldManager.h"

namespace vl {

ViewObject::ViewObject() {
    setType("ViewObject");
    setSolidness(Solidness::Intangible);
    setAltitude(kMaxAltitude);
    setLocation(TopCenter);
}

void ViewObject::setBorder(bool new_border) {
    if (border == new_border) {
        return;
    }
    border = new_border;
    setLocation(location);
}

void ViewObject::setLocation(ViewLocation new_location) {
    const Box view = WorldManager::getInstance().getView();
    const float w = view.horizontal;
    const float h = view.vertical;
    const float left = w / 6;
    const float center = (w * 3) / 6;
    const float right = (w * 5) / 6;
    const float top = border ? 1.0f : 0.0f;
    const float middle = (h * 3) / 6;
    const float bottom = border ? h - 3 : h - 2;
    Vector place;
    switch (new_location) {
        case TopLeft:
            place = Vector(left, top);
            break;
        case TopCenter:
            place = Vector(center, top);
            break;
        case TopRight:
            place = Vector(right, top);
            break;
        case CenterLeft:
            place = Vector(left, middle);
            break;
        case CenterCenter:
            place = Vector(center, middle);
            break;
        case CenterRight:
            place = Vector(right, middle);
            break;
        case BottomLeft:
            place = Vector(left, bottom);
            break;
        case BottomCenter:
            place = Vector(center, bottom);
            break;
        case BottomRight:
            place = Vector(right, bottom);
            break;
        default:
            place = Vector(0, 0);
            break;
    }
    setPosition(place);
    location = new_location;
}

int ViewObject::handleEvent(const Event* event) {
    if (event->getType() != kViewEvent) {
        return 0;
    }
    const auto* view_event = static_cast<const EventView*>(event);
    if (view_event->getTag() != view_string) {
        return 0;
    }
    if (view_event->getAdditive()) {
        value += view_event->getValue();
    } else {
        value = view_event->getValue();
    }
    return 1;
}

std::string ViewObject::getText() const {
    const std::string text = view_string + " " + std::to_string(value);
    return border ? " " + text + " " : text;
}

int ViewObject::draw() {
    const std::string text = getText();
    const Vector place = getPosition() + WorldManager::getInstance().getView().corner;
    DisplayManager& display = DisplayManager::getInstance();
    display.drawText(place, text, color);
    if (border) {
        const int n = static_cast<int>(text.size());
        const std::string dashes(static_cast<size_t>(n), '-');
        display.drawText(Vector(place.x, place.y - 1), dashes, color);
        display.drawText(Vector(place.x, place.y + 1), dashes, color);
        const float first = place.x - static_cast<float>(n / 2);
        display.drawCell(Vector(first - 1, place.y), '|', color);
        display.drawCell(Vector(first + static_cast<float>(n), place.y), '|', color);
    }
    return 0;
}

}  // namespace vl
