#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "support/DisplayFixture.h"
#include "support/PixelChecks.h"

namespace {

using CellSet = std::set<std::pair<float, int>>;

// The display's drawing, checked cell by cell over its rows: ink on the
// expected cells, none on the others of those columns.
void expectInkExactlyOn(const sf::Image& image, const CellSet& expected, float first_column,
                        int columns, int first_row, int rows) {
    for (int y = first_row; y < first_row + rows; ++y) {
        for (int i = 0; i < columns; ++i) {
            const float x = first_column + static_cast<float>(i);
            const vl::Vector cell(x, static_cast<float>(y));
            if (expected.count({x, y}) != 0) {
                EXPECT_TRUE(cellHasInk(image, cell, sf::Color::White))
                    << "no ink at " << x << ", " << y;
            } else {
                EXPECT_TRUE(cellIsBlank(image, cell)) << "ink at " << x << ", " << y;
            }
        }
    }
}

// Cells first to first + count - 1 of one row.
CellSet run(float first, int count, int row) {
    CellSet cells;
    for (int i = 0; i < count; ++i) {
        cells.insert({first + static_cast<float>(i), row});
    }
    return cells;
}

CellSet joined(std::initializer_list<CellSet> parts) {
    CellSet all;
    for (const CellSet& part : parts) {
        all.insert(part.begin(), part.end());
    }
    return all;
}

class ViewObjectTest : public WorldFixture {};
class ViewObjectDrawingTest : public DisplayFixture {
  protected:
    sf::Image drawn(vl::ViewObject* view) {
        view->draw();
        sf::Image image = vl::DisplayManager::getInstance().captureFrame();
        vl::DisplayManager::getInstance().presentFrame();
        return image;
    }
};

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
    EXPECT_EQ(view->getType(), "ViewObject");
    EXPECT_EQ(view->getSolidness(), vl::Solidness::Intangible);
    EXPECT_EQ(view->getAltitude(), vl::kMaxAltitude);
    for (const auto& place : places) {
        SCOPED_TRACE(place.location);
        view->setLocation(place.location);
        EXPECT_EQ(view->getPosition(), place.bordered);
        view->setBorder(false);
        EXPECT_EQ(view->getPosition(), place.plain);
        view->setBorder(false);
        EXPECT_EQ(view->getPosition(), place.plain);
        view->setBorder(true);
        EXPECT_EQ(view->getPosition(), place.bordered);
        view->setBorder(false);
        view->setLocation(place.location);
        EXPECT_EQ(view->getPosition(), place.plain);
        view->setBorder(true);
    }
    view->setLocation(static_cast<vl::ViewLocation>(9));
    EXPECT_EQ(view->getPosition(), vl::Vector(0, 0));
    EXPECT_EQ(view->getLocation(), static_cast<vl::ViewLocation>(9));
    view->setLocation(static_cast<vl::ViewLocation>(-1));
    EXPECT_EQ(view->getPosition(), vl::Vector(0, 0));
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
    EXPECT_EQ(receive(vl::EventView("score", 1)), 0);
    EXPECT_EQ(receive(vl::EventView("Score ", 1)), 0);
    EXPECT_EQ(receive(vl::EventView("Scor", 1)), 0);
    EXPECT_EQ(receive(vl::EventStep()), 0);
    EXPECT_EQ(view->getValue(), -40);
}

TEST_F(ViewObjectDrawingTest, BorderedDisplaysDrawDashesAndBars) {
    auto* fresh = new vl::ViewObject;
    // "  0 " on cells 39 to 42 of row 1, dashes above and below, bars beside.
    const sf::Image first = drawn(fresh);
    savePicture(first, "display-view-fresh.png");
    expectInkExactlyOn(first, joined({run(39, 4, 0), {{41, 1}, {38, 1}, {43, 1}}, run(39, 4, 2)}),
                       34, 14, 0, 4);
    fresh->setViewString("abc");
    fresh->setValue(7);
    // " abc 7 " on cells 38 to 44; bars at 37 and 45.
    const sf::Image second = drawn(fresh);
    expectInkExactlyOn(
        second, joined({run(38, 7, 0), run(39, 3, 1), {{43, 1}, {37, 1}, {45, 1}}, run(38, 7, 2)}),
        34, 14, 0, 4);

    fresh->setBorder(false);
    // "abc 7" on cells 39 to 43 of row 0 with no frame.
    const sf::Image plain = drawn(fresh);
    expectInkExactlyOn(plain, joined({run(39, 3, 0), {{43, 0}}}), 34, 14, 0, 4);

    fresh->setBorder(true);
    fresh->setLocation(vl::BottomRight);
    // " abc 7 " centred on 68.333336 of row 21: its frame stays on the screen.
    const float start = (82.0f * 5) / 6 - 3;
    const sf::Image bottom = drawn(fresh);
    expectInkExactlyOn(bottom,
                       joined({run(start, 7, 20),
                               run(start + 1, 3, 21),
                               {{start + 5, 21}, {start - 1, 21}, {start + 7, 21}},
                               run(start, 7, 22)}),
                       start - 3, 13, 19, 5);
}

TEST_F(ViewObjectDrawingTest, NegativeValuesAndAMovedViewDrawTheSame) {
    auto* timer = new vl::ViewObject;
    timer->setViewString("T");
    timer->setValue(-15);
    timer->setLocation(vl::TopLeft);
    // " T -15 " starts three cells left of 13.666667: '-' '1' '5' at 13.67 to 15.67.
    const float start = 82.0f / 6 - 3;
    const sf::Image home = drawn(timer);
    savePicture(home, "display-view-negative.png");
    expectInkExactlyOn(home,
                       joined({run(start, 7, 0),
                               {{start + 1, 1}},
                               run(start + 3, 3, 1),
                               {{start - 1, 1}, {start + 7, 1}},
                               run(start, 7, 2)}),
                       start - 3, 13, 0, 4);

    // The display keeps its place on the screen when the view moves.
    vl::WorldManager::getInstance().setView(vl::Box(vl::Vector(10, 0), 82, 24));
    const sf::Image moved = drawn(timer);
    EXPECT_EQ(comparePixels(moved, home).count, 0);
}

}  // namespace
