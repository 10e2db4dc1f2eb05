#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include <vl/resources/SpriteFile.h>

// Any bytes at all are a sprite file to the loader: it must neither crash,
// hang nor allocate out of proportion to them.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    vl::readSprite(in);
    return 0;
}
