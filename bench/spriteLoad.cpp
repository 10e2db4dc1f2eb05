#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include <vl/vl.h>
#include "Samples.h"
#include "benchSupport.h"
#include "figures.h"

namespace {

constexpr int kWarmUpLoads = 10;
constexpr int kLoads = 500;
constexpr char kSpriteSuffix[] = "-spr.txt";

// The game's sprite files as the run folder holds them.
std::vector<std::string> spriteFiles() {
    std::vector<std::string> files;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("sprites", error)) {
        const std::string name = entry.path().filename().string();
        if (name.size() > sizeof kSpriteSuffix &&
            name.compare(name.size() - (sizeof kSpriteSuffix - 1), std::string::npos,
                         kSpriteSuffix) == 0) {
            files.push_back(entry.path().string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Reads every file as the resource manager's loadSprite does, without
// registering the sprites (its table would fill up).
bool loadAll(const std::vector<std::string>& files) {
    bool all = true;
    for (const std::string& file : files) {
        std::ifstream in(file);
        all = vl::readSprite(in) != nullptr && all;
    }
    return all;
}

}  // namespace

bool benchSpriteLoad() {
    const std::vector<std::string> files = spriteFiles();
    if (files.empty() || !loadAll(files)) {
        std::cerr << "velloc-bench: the sprite files in sprites/ do not all load\n";
        return false;
    }
    Samples loads;
    for (int i = -kWarmUpLoads; i < kLoads; ++i) {
        const BenchClock::time_point start = BenchClock::now();
        loadAll(files);
        const BenchClock::time_point end = BenchClock::now();
        if (i >= 0) {
            loads.add(1000 * millisecondsBetween(start, end));
        }
    }
    printFigure("sprite_load_us", loads, "us",
                "all " + std::to_string(files.size()) + " sprite files, read with readSprite");
    return true;
}
