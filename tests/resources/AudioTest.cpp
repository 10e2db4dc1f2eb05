#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <SFML/Audio/SoundBuffer.hpp>

#include <vl/vl.h>
#include "support/TestFolder.h"

namespace {

// A mono 22050 Hz tone of the given length, saved as a WAV file.
std::string writeTone(const std::string& name, float seconds) {
    constexpr unsigned kRate = 22050;
    std::vector<sf::Int16> samples(static_cast<size_t>(seconds * kRate));
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<sf::Int16>(8000 * std::sin(static_cast<float>(i) * 0.1f));
    }
    sf::SoundBuffer buffer;
    const std::string file = testFolder() + "/" + name;
    if (!buffer.loadFromSamples(samples.data(), samples.size(), 1, kRate) ||
        !buffer.saveToFile(file)) {
        ADD_FAILURE() << "cannot write " << file;
    }
    return file;
}

// What the latest load found wrong, in the form the game prints it.
std::string loadProblem() {
    const vl::ProblemList& problems = vl::ResourceManager::getInstance().getLoadProblems();
    return problems.empty() ? "" : vl::formatProblem(problems.getProblems().front());
}

TEST(Audio, SoundTableFindsByLabelAndRefusesWhenFull) {
    const std::string long_tone = writeTone("long.wav", 3.0f);
    const std::string short_tone = writeTone("short.wav", 0.05f);
    const std::string not_sound = writeTestFile("text.wav", "frames 1\n");
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();

    ASSERT_EQ(resources.loadSound(long_tone, "blip"), 0);
    vl::Sound* blip = resources.getSound("blip");
    ASSERT_NE(blip, nullptr);
    const int count = resources.getSoundCount();

    EXPECT_EQ(resources.loadSound(testFolder() + "/missing.wav", "missing"), -1);
    EXPECT_EQ(loadProblem(), testFolder() + "/missing.wav: no such file");
    EXPECT_EQ(resources.loadSound(not_sound, "text"), -1);
    EXPECT_EQ(loadProblem(),
              not_sound + ": not a sound file that can be decoded (WAV, OGG or FLAC)");
    EXPECT_EQ(resources.getSoundCount(), count);
    EXPECT_EQ(resources.getSound("missing"), nullptr);
    EXPECT_EQ(resources.getSound("text"), nullptr);

    // The failed loads left their entry free: the next sound takes it.
    ASSERT_EQ(resources.loadSound(short_tone, "blip"), 0);
    ASSERT_EQ(resources.loadSound(short_tone, ""), 0);
    EXPECT_EQ(resources.getSoundCount(), count + 2);
    EXPECT_EQ(resources.getSound("blip"), blip);
    ASSERT_NE(resources.getSound(""), nullptr);
    EXPECT_NE(resources.getSound(""), blip);
    EXPECT_EQ(resources.getSound("Blip"), nullptr);
    EXPECT_EQ(resources.getSound("blip "), nullptr);

    // Sounds are heard once the device has been found.
    ASSERT_TRUE(vl::findAudioDevice());
    vl::playSound("never-loaded");
    EXPECT_FALSE(blip->isPlaying());
    vl::playSound("blip");
    EXPECT_TRUE(blip->isPlaying());

    while (resources.getSoundCount() < vl::kMaxSounds) {
        ASSERT_EQ(resources.loadSound(short_tone, "filler"), 0);
    }
    EXPECT_EQ(resources.loadSound(short_tone, "one-too-many"), -1);
    EXPECT_EQ(resources.getSoundCount(), vl::kMaxSounds);
    EXPECT_EQ(resources.getSound("one-too-many"), nullptr);
    EXPECT_EQ(resources.getSound("blip"), blip);
}

TEST(Audio, MusicTableFindsByLabelAndRefusesWhenFull) {
    const std::string tone = writeTone("tune.wav", 3.0f);
    vl::ResourceManager& resources = vl::ResourceManager::getInstance();

    const int count = resources.getMusicCount();
    EXPECT_EQ(resources.loadMusic(tone, ""), -1);
    EXPECT_EQ(loadProblem(), tone + ": music needs a label");
    EXPECT_EQ(resources.loadMusic(testFolder() + "/missing.wav", "missing"), -1);
    EXPECT_EQ(resources.getMusicCount(), count);
    EXPECT_EQ(resources.getMusic(""), nullptr);
    EXPECT_EQ(resources.getMusic("missing"), nullptr);

    ASSERT_EQ(resources.loadMusic(tone, "theme"), 0);
    ASSERT_EQ(resources.loadMusic(tone, "theme"), 0);
    EXPECT_EQ(resources.getMusicCount(), count + 2);
    vl::Music* theme = resources.getMusic("theme");
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(resources.getMusic("THEME"), nullptr);

    vl::playMusic("never-loaded", true);
    EXPECT_FALSE(theme->isPlaying());
    vl::playMusic("theme", true);
    EXPECT_TRUE(theme->isPlaying());
    vl::stopMusic("never-loaded");
    EXPECT_TRUE(theme->isPlaying());
    vl::stopMusic("theme");
    EXPECT_FALSE(theme->isPlaying());

    while (resources.getMusicCount() < vl::kMaxMusic) {
        ASSERT_EQ(resources.loadMusic(tone, "filler"), 0);
    }
    EXPECT_EQ(resources.loadMusic(tone, "one-too-many"), -1);
    EXPECT_EQ(resources.getMusicCount(), vl::kMaxMusic);
    EXPECT_EQ(resources.getMusic("one-too-many"), nullptr);
    EXPECT_EQ(resources.getMusic("theme"), theme);
}

}  // namespace
