#include <chrono>
#include <fstream>
#include <iostream>
#include <string>

#include <vl/vl.h>

namespace {

// The process's peak resident memory so far, in KiB, from /proc.
long peakResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return -1;
}

}  // namespace

// Loads one sprite file the way the game does and prints its size, the frames
// the sprite holds, and how far the load raised the peak resident memory: the
// measure that a hostile file cannot make the loader hold much more than the
// file itself.
int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: sprite-rss-probe SPRITE_FILE\n";
        return 2;
    }
    const std::string file = argv[1];
    std::ifstream size_probe(file, std::ios::binary | std::ios::ate);
    const long long bytes = size_probe ? static_cast<long long>(size_probe.tellg()) : -1;
    // The registry is built first: its audio set-up is not the loader's cost.
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();
    const long before = peakResidentKib();
    const auto start = std::chrono::steady_clock::now();
    const int result = resources.loadSprite(file, "probe");
    const auto elapsed = std::chrono::steady_clock::now() - start;
    const long after = peakResidentKib();
    const vl::Sprite* sprite = resources.getSprite("probe");
    std::cout << "file_bytes " << bytes << " result " << result << " frames "
              << (sprite != nullptr ? sprite->getFrameCount() : 0) << " load_ms "
              << std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()
              << " peak_rss_rise_kib " << after - before << '\n';
    return 0;
}
