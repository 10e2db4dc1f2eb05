#include <gtest/gtest.h>

#include "support/RecordedScreen.h"
#include "support/WorldFixture.h"

namespace {

class ViewObjectTest : public WorldFixture {};

TEST_F(ViewObjectTest, NineLocationsWithAndWithoutBorder) {
    // The locations count row by row from the top: left, centre, right.
    const float columns[] = {82.0f / 6, 41, (82.0f * 5) / 6};
    const float bordered_rows[] = {1, 12, 21};
    const float plain_rows[] = {0, 12, 22};
    auto* view = new vl::ViewObject;
    EXPECT_EQ(view->getPosition(), vl::Vector(41, 1));
    EXPECT_EQ(view->getSolidness(), vl::Solidness::Intangible);
    EXPECT_EQ(view->getAltitude(), vl::kMaxAltitude);
    for (int i = vl::TopLeft; i <= vl::BottomRight; ++i) {
        SCOPED_TRACE(i);
        const auto location = static_cast<vl::ViewLocation>(i);
        const vl::Vector bordered(columns[i % 3], bordered_rows[i / 3]);
        const vl::Vector plain(columns[i % 3], plain_rows[i / 3]);
        view->setLocation(location);
        EXPECT_EQ(view->getPosition(), bordered);
        view->setBorder(false);
        view->setBorder(false);
        EXPECT_EQ(view->getPosition(), plain);
        view->setLocation(location);
        EXPECT_EQ(view->getPosition(), plain);
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
