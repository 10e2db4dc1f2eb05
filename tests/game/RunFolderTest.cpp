#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "runFolder.h"
#include "support/TestFolder.h"

namespace {

namespace fs = std::filesystem;

// Folders made from parts of Velloc's and Snake's, each entered from the
// test's working folder. The test program's own folder, and the data folder
// beside it, hold none of the game's files: a folder is taken, or none is.
TEST(RunFolder, IsTakenOnlyWhenItHoldsTheFontAndEveryFileOfTheManifest) {
    const fs::path velloc = VL_RUN_DIR;
    const fs::path snake_sprites = fs::path(VL_SOURCE_DIR) / "examples/snake/sprites";
    const struct {
        const char* name;
        std::vector<std::pair<fs::path, const char*>> copies;  // from, to
        const char* removed;
        bool taken;
    } kFolders[] = {
        {"the font alone", {{velloc / "vl-font.ttf", "vl-font.ttf"}}, nullptr, false},
        {"Snake's",
         {{velloc / "vl-font.ttf", "vl-font.ttf"}, {snake_sprites, "sprites"}},
         nullptr,
         false},
        {"Velloc's but its music",
         {{velloc / "vl-font.ttf", "vl-font.ttf"},
          {velloc / "sprites", "sprites"},
          {velloc / "sounds", "sounds"},
          {velloc / "music", "music"}},
         "music/music.wav",
         false},
        {"Velloc's",
         {{velloc / "vl-font.ttf", "vl-font.ttf"},
          {velloc / "sprites", "sprites"},
          {velloc / "sounds", "sounds"},
          {velloc / "music", "music"}},
         nullptr,
         true},
    };
    const fs::path start = fs::current_path();
    for (const auto& made : kFolders) {
        const fs::path folder = fs::path(testFolder()) / made.name;
        fs::create_directory(folder);
        for (const auto& [from, to] : made.copies) {
            fs::copy(from, folder / to, fs::copy_options::recursive);
        }
        if (made.removed != nullptr) {
            fs::remove(folder / made.removed);
        }
        ASSERT_EQ(chdir(folder.c_str()), 0);
        std::string reason;
        EXPECT_EQ(enterRunFolder(reason), made.taken) << made.name;
        EXPECT_EQ(fs::current_path(), folder) << made.name;
        EXPECT_EQ(reason.rfind("cannot find the game's files (", 0) == 0 &&
                      reason.find(") in " + folder.string() + ", ") != std::string::npos,
                  !made.taken)
            << made.name << ": " << reason;
        ASSERT_EQ(chdir(start.c_str()), 0);
    }
}

}  // namespace
