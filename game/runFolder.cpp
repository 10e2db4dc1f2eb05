#include "runFolder.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include <vl/display/DisplayManager.h>

namespace {

namespace fs = std::filesystem;

constexpr char kSpriteFolder[] = "sprites";

bool holdsGameFiles(const fs::path& folder) {
    std::error_code error;
    return fs::is_regular_file(folder / vl::kFontFile, error) &&
           fs::is_directory(folder / kSpriteFolder, error);
}

// The folders to look in, in order, each once.
std::vector<fs::path> candidateFolders() {
    std::vector<fs::path> folders;
    const auto add = [&folders](const fs::path& folder) {
        const fs::path normal = folder.lexically_normal();
        if (std::find(folders.begin(), folders.end(), normal) == folders.end()) {
            folders.push_back(normal);
        }
    };
    std::error_code error;
    const fs::path working = fs::current_path(error);
    if (!error) {
        add(working);
    }
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        add(program.parent_path());
        add(program.parent_path() / VELLOC_DATA_FROM_PROGRAM);
    }
    return folders;
}

// "a", "a or b", "a, b or c".
std::string listOf(const std::vector<fs::path>& folders) {
    std::string list;
    for (std::size_t i = 0; i < folders.size(); ++i) {
        if (i > 0) {
            list += i + 1 == folders.size() ? " or " : ", ";
        }
        list += folders[i].string();
    }
    return list;
}

}  // namespace

bool enterRunFolder(std::string& reason) {
    const std::vector<fs::path> folders = candidateFolders();
    for (const fs::path& folder : folders) {
        if (holdsGameFiles(folder) && chdir(folder.c_str()) == 0) {
            return true;
        }
    }
    reason = std::string("cannot find the game's files (") + vl::kFontFile + ", " + kSpriteFolder +
             "/) in " + listOf(folders);
    return false;
}
