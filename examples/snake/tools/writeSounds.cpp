// Writes the example's sound effects as 16-bit mono WAV files into the folder
// named by the first argument: chomp.wav, a short rising blip, and crash.wav,
// a burst of fading noise.
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 22050;
constexpr double kPi = 3.14159265358979323846;

void put(std::ofstream& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

bool writeWav(const std::string& path, const std::vector<int16_t>& samples) {
    std::ofstream out(path, std::ios::binary);
    const auto data_bytes = static_cast<uint32_t>(samples.size() * 2);
    out << "RIFF";
    put(out, 36 + data_bytes, 4);
    out << "WAVEfmt ";
    put(out, 16, 4);
    put(out, 1, 2);  // PCM
    put(out, 1, 2);  // mono
    put(out, kSampleRate, 4);
    put(out, kSampleRate * 2, 4);
    put(out, 2, 2);
    put(out, 16, 2);
    out << "data";
    put(out, data_bytes, 4);
    for (int16_t sample : samples) {
        put(out, static_cast<uint16_t>(sample), 2);
    }
    return static_cast<bool>(out);
}

// seconds of sound whose sample at time t (seconds) is wave(t), in -1 to 1.
std::vector<int16_t> render(double seconds, const std::function<double(double)>& wave) {
    std::vector<int16_t> samples(static_cast<size_t>(seconds * kSampleRate));
    for (size_t i = 0; i < samples.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        samples[i] = static_cast<int16_t>(wave(t) * 12000);
    }
    return samples;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    const std::string folder = argv[1];
    const auto chomp = render(
        0.08, [](double t) { return std::sin(2 * kPi * (400 + 6000 * t) * t) * (1 - t / 0.08); });
    std::minstd_rand noise(7);
    const auto crash = render(0.4, [&noise](double t) {
        return (static_cast<double>(noise() % 2001) / 1000 - 1) * std::exp(-8 * t);
    });
    const bool written =
        writeWav(folder + "/chomp.wav", chomp) && writeWav(folder + "/crash.wav", crash);
    return written ? 0 : 1;
}
