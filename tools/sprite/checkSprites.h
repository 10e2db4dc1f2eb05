#pragma once

#include <ostream>
#include <string>
#include <vector>

// Prints every problem of every file to out, one "FILE:LINE: message" line
// each, nothing for a clean file. Returns 1 when any file has a problem, 0
// otherwise.
int checkSprites(const std::vector<std::string>& files, std::ostream& out);
