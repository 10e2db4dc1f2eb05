#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include <SFML/Audio/SoundBuffer.hpp>

namespace {

struct Recording {
    float seconds = 0.0f;
    float rms = 0.0f;
    int first = 0;
    int last = 0;
};

Recording load(const std::string& file) {
    sf::SoundBuffer buffer;
    Recording recording;
    if (!buffer.loadFromFile(std::string(VL_RUN_DIR) + "/" + file) ||
        buffer.getSampleCount() == 0) {
        ADD_FAILURE() << "cannot load " << file;
        return recording;
    }
    const sf::Int16* samples = buffer.getSamples();
    const std::size_t count = buffer.getSampleCount();
    const unsigned channels = buffer.getChannelCount();
    double sum = 0.0;
    for (std::size_t i = 0; i < count; ++i) {
        sum += static_cast<double>(samples[i]) * samples[i];
    }
    recording.seconds = buffer.getDuration().asSeconds();
    recording.rms = static_cast<float>(std::sqrt(sum / count));
    recording.first = samples[0];
    recording.last = samples[count - channels];
    return recording;
}

// A step between two samples larger than this is heard as a click.
constexpr int kClick = 200;

TEST(SoundAssets, EffectsAreShortAndStartAndStopSilently) {
    for (const char* file : {"sounds/gunshot.wav", "sounds/pew.wav", "sounds/zombie.wav"}) {
        SCOPED_TRACE(file);
        const Recording effect = load(file);
        EXPECT_GT(effect.seconds, 0.1f);
        EXPECT_LT(effect.seconds, 2.0f);
        EXPECT_LE(std::abs(effect.first), kClick);
        EXPECT_LE(std::abs(effect.last), kClick);
    }
}

TEST(SoundAssets, MusicLoopsWithoutAClickBelowTheEffects) {
    const Recording music = load("music/music.wav");
    EXPECT_GE(music.seconds, 20.0f);
    EXPECT_LE(std::abs(music.last - music.first), kClick);
    EXPECT_GT(music.rms, 0.0f) << "silent music";
    for (const char* file : {"sounds/gunshot.wav", "sounds/pew.wav", "sounds/zombie.wav"}) {
        // Half the level is 6 dB below it.
        EXPECT_LT(music.rms, load(file).rms / 2) << file;
    }
}

}  // namespace
