#include <gtest/gtest.h>

#include "vl/display/DisplayManager.h"
#include "vl/display/renderCells.h"

namespace {

// Needs no window: what is drawn is recorded all the same.
TEST(CellRecorderTest, RecordsTheFrameAndRendersItAsAScreen) {
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    display.drawCell(vl::Vector(0, 0), 'x', vl::Red);
    display.setRecording(true);
    EXPECT_TRUE(display.getRecordedCells().empty());
    display.drawCell(vl::Vector(1, 0), 'a', vl::Red);
    display.drawCell(vl::Vector(1.4f, -0.4f), 'b', static_cast<vl::Color>(8));
    display.drawCell(vl::Vector(2.5f, 1), 'c', vl::Green);
    display.drawCell(vl::Vector(-0.6f, 0), 'd', vl::Blue);
    display.drawCell(vl::Vector(4, 1.4f), '\x01', vl::Cyan);
    display.drawText(vl::Vector(3, 0), "ef", vl::Yellow);
    const std::vector<vl::CellRecord>& cells = display.getRecordedCells();
    ASSERT_EQ(cells.size(), 7u);
    EXPECT_EQ(cells[1].position, vl::Vector(1.4f, -0.4f));
    EXPECT_EQ(cells[1].color, vl::Red);
    EXPECT_EQ(vl::renderCells(cells, 5, 2), " bef \n   c?\n\n.ryy.\n...gc\n");
    EXPECT_EQ(vl::renderCells(cells, 4, 1, vl::Vector(1, 1)), "  c?\n\n..gc\n");
    EXPECT_EQ(vl::renderCells(cells, 0, 3), "\n");

    display.presentFrame();
    EXPECT_TRUE(display.getRecordedCells().empty());
    for (std::size_t i = 0; i <= vl::kMaxRecordedCells; ++i) {
        display.drawCell(vl::Vector(1, 1), 'z', vl::White);
    }
    EXPECT_EQ(display.getRecordedCells().size(), vl::kMaxRecordedCells);
    display.setRecording(false);
    display.drawCell(vl::Vector(1, 1), 'z', vl::White);
    EXPECT_TRUE(display.getRecordedCells().empty());
}

}  // namespace
