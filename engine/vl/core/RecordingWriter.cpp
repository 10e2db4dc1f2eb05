#include "vl/core/RecordingWriter.h"

#include <bitset>
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

void appendHex(std::string& text, unsigned value, int digits) {
    static constexpr char kDigits[] = "0123456789abcdef";
    for (int digit = digits - 1; digit >= 0; --digit) {
        text += kDigits[(value >> (4 * digit)) & 0xf];
    }
}

// The bits as hexadecimal digits, the highest first.
template <std::size_t kBits>
std::string hexBits(const std::bitset<kBits>& bits) {
    constexpr std::size_t kDigits = (kBits + 3) / 4;
    std::string text;
    for (std::size_t digit = kDigits; digit-- > 0;) {
        unsigned value = 0;
        for (std::size_t bit = 4; bit-- > 0;) {
            const std::size_t index = digit * 4 + bit;
            value = value * 2 + (index < kBits && bits.test(index) ? 1 : 0);
        }
        appendHex(text, value, 1);
    }
    return text;
}

// The 16-bit checksums, four digits each, with no space between them.
template <typename Checks>
void appendChecks(std::string& text, const Checks& checks) {
    for (const std::uint16_t check : checks) {
        appendHex(text, check, 4);
    }
}

}  // namespace

int RecordingWriter::open(const std::string& path, const std::string& game, std::uint64_t seed) {
    failed_frame = 0;
    last_held = HeldInput();
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

void RecordingWriter::writeHeld(int frame, const HeldInput& held) {
    if (!out.is_open() || held == last_held) {
        return;
    }
    last_held = held;
    out << "held " << frame << ' ' << hexBits(held.keys) << ' ' << hexBits(held.buttons) << '\n';
}

void RecordingWriter::writeFrame(int frame, const FrameSummary& summary) {
    if (!out.is_open()) {
        return;
    }
    std::string checks = "checks " + std::to_string(frame) + ' ';
    appendChecks(checks, summary.fields);
    checks += ' ';
    appendChecks(checks, summary.rows);
    checks += ' ';
    appendChecks(checks, summary.object_checks);
    if (summary.object_checks.empty()) {
        checks += '-';
    }
    char checksums[60];
    std::snprintf(checksums, sizeof checksums, "%016" PRIx64 " %016" PRIx64 " %016" PRIx64,
                  summary.world, summary.input, summary.picture);
    out << checks << "\nframe " << frame << ' ' << summary.objects << ' ' << checksums << '\n';
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
