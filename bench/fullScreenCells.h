#pragma once

#include <vector>

#include <vl/vl.h>

struct Cell {
    vl::Vector position;
    char ch;
    vl::Color color;
};

// Every one of the 82 x 24 cells, in row order: printable characters of every
// kind in the seven colours that show on black, with a space now and then.
std::vector<Cell> fullScreenCells();
