#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "PerCellRenderer.h"
#include "support/DisplayFixture.h"
#include "support/PixelChecks.h"

namespace {

struct Cell {
    vl::Vector position;
    char ch;
    vl::Color color;
};
using Cells = std::vector<Cell>;

const std::string kInkyGlyphs = "#@MW0xgj|-_iI";

Cells fractionalPositions() {
    Cells cells = {{vl::Vector(10.5f, 3.25f), 'A', vl::Yellow},
                   {vl::Vector(13.666667f, 12), '|', vl::Cyan},
                   {vl::Vector(68.333336f, 21), '-', vl::White},
                   {vl::Vector(0.1f, 0.9f), '@', vl::Green},
                   {vl::Vector(40.04f, 7.77f), 'W', vl::Magenta}};
    std::mt19937 random(7);
    std::uniform_real_distribution<float> across(-1.0f, 83.0f);
    std::uniform_real_distribution<float> down(-1.0f, 25.0f);
    for (int i = 0; i < 600; ++i) {
        const char ch = static_cast<char>(33 + i % 94);
        cells.push_back(
            {vl::Vector(across(random), down(random)), ch, static_cast<vl::Color>(1 + i % 7)});
    }
    return cells;
}

Cells spacesOverGlyphs() {
    Cells cells;
    for (int x = 0; x < 30; ++x) {
        cells.push_back(
            {vl::Vector(10.0f + x, 15), kInkyGlyphs[x % kInkyGlyphs.size()], vl::White});
    }
    for (int x = 0; x < 30; x += 2) {
        cells.push_back({vl::Vector(10.0f + x, 15), ' ', vl::Red});
    }
    for (int x = 0; x < 10; ++x) {
        cells.push_back({vl::Vector(10.5f + 3 * x, 15.5f), ' ', vl::Green});
    }
    return cells;
}

Cells screenEdges() {
    Cells cells;
    const std::string tall = "|j_@g(W";
    for (int x = -2; x < 86; ++x) {
        const char ch = tall[static_cast<size_t>(x + 2) % tall.size()];
        cells.push_back({vl::Vector(static_cast<float>(x), 0), ch, vl::Cyan});
        cells.push_back({vl::Vector(static_cast<float>(x), 23), ch, vl::Yellow});
        cells.push_back({vl::Vector(static_cast<float>(x) + 0.5f, -0.5f), ch, vl::Red});
        cells.push_back({vl::Vector(static_cast<float>(x), 24), ch, vl::Green});
    }
    for (int y = -1; y < 25; ++y) {
        cells.push_back({vl::Vector(0, static_cast<float>(y)), '#', vl::White});
        cells.push_back({vl::Vector(81, static_cast<float>(y)), '#', vl::Magenta});
        cells.push_back({vl::Vector(-0.5f, static_cast<float>(y)), 'M', vl::Blue});
        cells.push_back({vl::Vector(82, static_cast<float>(y)), 'M', vl::Green});
    }
    return cells;
}

// Every printable character, the colours taking turns, two invalid ones
// (which keep the last colour) included.
Cells fullScreen(int shift) {
    Cells cells;
    for (int y = 0; y < vl::kWindowVerticalCells; ++y) {
        for (int x = 0; x < vl::kWindowHorizontalCells; ++x) {
            const int n = y * vl::kWindowHorizontalCells + x + shift;
            cells.push_back({vl::Vector(static_cast<float>(x), static_cast<float>(y)),
                             static_cast<char>(32 + n % 95), static_cast<vl::Color>(n % 10)});
        }
    }
    return cells;
}

// Characters sf::Text lays out no glyph for, and ones outside the font.
Cells oddBytes() {
    const std::string bytes = std::string("\t\n\r\x01\x7f\xe9\xff \x1b", 9) + std::string(1, '\0');
    Cells cells;
    for (size_t i = 0; i < bytes.size(); ++i) {
        cells.push_back({vl::Vector(5.0f + 2 * i, 5), '#', vl::Red});
        cells.push_back({vl::Vector(5.0f + 2 * i, 5), bytes[i], vl::White});
        cells.push_back({vl::Vector(5.0f + 2 * i, 7), bytes[i], vl::Yellow});
    }
    return cells;
}

// More cells than the display keeps before drawing part of a frame early.
Cells severalScreens() {
    Cells cells;
    for (int screen = 0; screen < 4; ++screen) {
        for (const Cell& cell : fullScreen(screen * 31)) {
            cells.push_back({vl::Vector(cell.position.x + 0.25f * screen, cell.position.y), cell.ch,
                             cell.color});
        }
    }
    return cells;
}

sf::Image drawBatched(const Cells& cells) {
    vl::DisplayManager& display = vl::DisplayManager::getInstance();
    for (const Cell& cell : cells) {
        EXPECT_EQ(display.drawCell(cell.position, cell.ch, cell.color), 0);
    }
    sf::Image image = display.captureFrame();
    display.presentFrame();
    return image;
}

sf::Image drawReference(PerCellRenderer& reference, const Cells& cells) {
    // The back buffer still holds the display's frame.
    reference.clear();
    for (const Cell& cell : cells) {
        reference.drawCell(cell.position, cell.ch, cell.color);
    }
    return reference.capture();
}

class PixelIdentityTest : public DisplayFixture {};

TEST_F(PixelIdentityTest, BatchedCellsMatchPerCellDrawing) {
    PerCellRenderer reference(*vl::DisplayManager::getInstance().getWindow());
    ASSERT_TRUE(reference.loaded());
    const struct {
        std::string name;
        Cells cells;
        vl::Vector view_corner;
    } frames[] = {
        {"full screen", fullScreen(0), {}},
        {"fractional positions", fractionalPositions(), {}},
        {"spaces over glyphs", spacesOverGlyphs(), {}},
        {"screen edges", screenEdges(), {}},
        {"odd bytes", oddBytes(), {}},
        {"several screens in one frame", severalScreens(), {}},
        {"view moved by fractions", fractionalPositions(), vl::Vector(5.5f, 2.25f)},
    };
    for (const auto& [name, cells, view_corner] : frames) {
        SCOPED_TRACE(name);
        vl::WorldManager::getInstance().setView(vl::Box(view_corner, 82, 24));
        const sf::Image batched = drawBatched(cells);
        const sf::Image expected = drawReference(reference, cells);
        EXPECT_GT(countLitPixels(batched, sf::IntRect(0, 0, 1024, 768)), 0);
        const PixelDifference difference = comparePixels(batched, expected);
        EXPECT_EQ(difference.count, 0) << "first at " << difference.first;
        if (name == "full screen" || difference.count != 0) {
            savePicture(batched, "display-identity-batched.png");
            savePicture(expected, "display-identity-reference.png");
        }
    }
}

}  // namespace
