#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <vl/core/RecordingReader.h>

// Any bytes at all are a recording to the replay's reader: it must neither
// crash, hang nor hold more than a frame's inputs at a time, and must end
// every read with a frame, the end or a problem.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vl::RecordingReader reader;
    auto in = std::make_unique<std::istringstream>(
        std::string(reinterpret_cast<const char*>(data), size));
    if (reader.open(std::move(in), "fuzz", "Velloc") != 0) {
        return 0;
    }
    std::vector<vl::RecordedInput> inputs;
    vl::FrameSummary summary;
    for (int frame = 1;; ++frame) {
        if (reader.readFrame(frame, inputs, summary) != vl::RecordingReader::Step::Frame) {
            return 0;
        }
    }
}
