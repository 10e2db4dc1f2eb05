#include <gtest/gtest.h>

#include "support/RecordedScreen.h"
#include "support/WorldFixture.h"

namespace {

class ViewObjectTest : public WorldFixture {};

TEST_F(ViewObjectTest, NineLocationsWithAndWithoutBorder) {
    const float left = 82.0f / 6;
    const float right = (82.0f * 5) / 6;
    const struct {
        vl::ViewLocation location;
        vl::Vector bordered;
        vl::Vector plain;
    } places[] = {
        {vl::TopLeft, vl::Vector(left, 1), vl::Vector(left, 0)},
        {vl::TopCenter, vl::Vector(41, 1), vl::Vector(41, 0)},
        {vl::TopRight, vl::Vector(right, 1), vl::Vector(right, 0)},
        {vl::CenterLeft, vl::Vector(left, 12), vl::Vector(left, 12)},
        {vl::CenterCenter, vl::Vector(41, 12), vl::Vector(41, 12)},
        {vl::CenterRight, vl::Vector(right, 12), vl::Vector(right, 12)},
        {vl::BottomLeft, vl::Vector(left, 21), vl::Vector(left, 22)},
        {vl::BottomCenter, vl::Vector(41, 21), vl::Vector(41, 22)},
        {vl::BottomRight, vl::Vector(right, 21), vl::Vector(right, 22)},
    };
    auto* view = new vl::ViewObject;
    EXPECT_EQ(view->getPosition(), vl::Vector(41, 1));
    EXPECT_EQ(view->getSolidness(), vl::Solidness::Intangible);
    EXPECT_EQ(view->getAltitude(), vl::kMaxAltitude);
    for (const auto& place : places) {
        SCOPED_TRACE(place.location);
        view->setLocation(place.location);
        EXPECT_EQ(view->getPosition(), place.bordered);
        view->setBorder(false);
        view->setBorder(false);
        EXPECT_EQ(view->getPosition(), place.plain);
        view->setLocation(place.location);
        EXPECT_EQ(view->getPosition(), place.plain);
        view->setBorder(true);
    }
    for (const int outside : {9, -1}) {
        view->setLocation(static_cast<vl::ViewLocation>(outside));
        EXPECT_EQ(view->getPosition(), vl::Vector(0, 0));
    }
}

TEST_F(ViewObjectTest, ValueEventsReachTheDisplayTheyName) {
    auto* view = new vl::ViewObject;
    view->setViewString("Score");
    const auto receive = [view](const vl::Event& event) { return view->handleEvent(&event); };
    EXPECT_EQ(receive(vl::EventView("Score", 10)), 1);
    EXPECT_EQ(receive(vl::EventView("Score", 5)), 1);
    EXPECT_EQ(view->getValue(), 15);
    EXPECT_EQ(receive(vl::EventView("Score", -40, false)), 1);
    EXPECT_EQ(view->getValue(), -40);
    for (const char* other : {"score", "Score ", "Scor"}) {
        EXPECT_EQ(receive(vl::EventView(other, 1)), 0) << other;
    }
    EXPECT_EQ(receive(vl::EventStep()), 0);
    EXPECT_EQ(view->getValue(), -40);
}

// Frames of dashes and bars, centred text on fractional places, negative
// values; the displays keep their places on the screen when the view moves.
TEST_F(ViewObjectTest, DisplaysDrawTheirLabelAndValueInTheirPlaces) {
    new vl::ViewObject;
    auto* bottom_right = new vl::ViewObject;
    bottom_right->setViewString("abc");
    bottom_right->setValue(7);
    bottom_right->setLocation(vl::BottomRight);
    auto* timer = new vl::ViewObject;
    timer->setViewString("T");
    timer->setValue(-15);
    timer->setLocation(vl::TopLeft);
    auto* plain = new vl::ViewObject;
    plain->setViewString("Level");
    plain->setValue(3);
    plain->setBorder(false);
    plain->setLocation(vl::BottomCenter);
    const std::string expected = R"(           -------                     ----
          | T -15 |                   |  0 |
           -------                     ----

















                                                                 -------
                                                                | abc 7 |
                                      Level 3                    -------

w
)";
    EXPECT_EQ(shownWorld(), expected);
    vl::WorldManager::getInstance().setView(vl::Box(vl::Vector(10, 3), 82, 24));
    EXPECT_EQ(shownWorld(), expected);
}

}  // namespace
