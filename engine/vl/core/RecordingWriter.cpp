#include "vl/core/RecordingWriter.h"

#include <charconv>
#include <cinttypes>
#include <cstdio>

#include "vl/input/EventKeyboard.h"
#include "vl/input/EventMouse.h"

namespace vl {

namespace {

// The shortest text that gives back the float exactly, with a point in every
// locale.
std::string exactly(float number) {
    char text[32];
    const std::to_chars_result written = std::to_chars(text, text + sizeof text, number);
    return std::string(text, written.ptr);
}

}  // namespace

int RecordingWriter::open(const std::string& path, const std::string& game, std::uint64_t seed) {
    failed_frame = 0;
    out.open(path, std::ios::out | std::ios::trunc);
    if (!out) {
        return -1;
    }
    char seed_text[24];
    std::snprintf(seed_text, sizeof seed_text, "%016" PRIx64, seed);
    out << kRecordingFirstLine << "\ngame " << game << "\nengine " << kEngineVersion << "\nseed "
        << seed_text << '\n';
    return out ? 0 : -1;
}

void RecordingWriter::writeInput(int frame, const Event& event) {
    if (!out.is_open()) {
        return;
    }
    if (event.getType() == kKeyboardEvent) {
        const auto& keyboard = static_cast<const EventKeyboard&>(event);
        out << "key " << frame << ' ' << static_cast<int>(keyboard.getKey()) << ' '
            << static_cast<int>(keyboard.getAction()) << '\n';
    } else if (event.getType() == kMouseEvent) {
        const auto& mouse = static_cast<const EventMouse&>(event);
        out << "mouse " << frame << ' ' << static_cast<int>(mouse.getAction()) << ' '
            << static_cast<int>(mouse.getButton()) << ' ' << exactly(mouse.getPixelPosition().x)
            << ' ' << exactly(mouse.getPixelPosition().y) << '\n';
    }
}

void RecordingWriter::writeFrame(int frame, const FrameSummary& summary) {
    if (!out.is_open()) {
        return;
    }
    char checksums[40];
    std::snprintf(checksums, sizeof checksums, "%016" PRIx64 " %016" PRIx64, summary.world,
                  summary.input);
    out << "frame " << frame << ' ' << summary.objects << ' ' << checksums << '\n';
    // A game killed in its next frame leaves a recording of this one whole.
    out.flush();
    if (!out) {
        failed_frame = frame;
        out.close();
    }
}

int RecordingWriter::close(int frames) {
    if (!out.is_open() || failed_frame != 0) {
        return -1;
    }
    out << "end " << frames << '\n';
    out.close();
    return out ? 0 : -1;
}

}  // namespace vl
