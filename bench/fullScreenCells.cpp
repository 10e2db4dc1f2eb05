#include "fullScreenCells.h"

namespace {

constexpr int kFirstPrintable = 33;
constexpr int kPrintableCount = 94;
constexpr int kSpaceEvery = 9;

}  // namespace

std::vector<Cell> fullScreenCells() {
    std::vector<Cell> cells;
    for (int y = 0; y < vl::kWindowVerticalCells; ++y) {
        for (int x = 0; x < vl::kWindowHorizontalCells; ++x) {
            const int index = y * vl::kWindowHorizontalCells + x;
            const char ch =
                index % kSpaceEvery == 0
                    ? ' '
                    : static_cast<char>(kFirstPrintable + (x * 31 + y * 17) % kPrintableCount);
            const auto color = static_cast<vl::Color>(vl::Red + (x + 2 * y) % 7);
            cells.push_back({vl::Vector(static_cast<float>(x), static_cast<float>(y)), ch, color});
        }
    }
    return cells;
}
