#include "runFolder.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include <vl/display/DisplayManager.h>
#include <vl/platform/programFiles.h>
#include "loadResources.h"

namespace {

namespace fs = std::filesystem;

bool holdsGameFiles(const fs::path& folder, const std::vector<std::string>& assets) {
    std::error_code error;
    return fs::is_regular_file(folder / vl::kFontFile, error) &&
           std::all_of(assets.begin(), assets.end(), [&](const std::string& file) {
               return fs::is_regular_file(folder / file, error);
           });
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
    const fs::path program = vl::programFolder();
    if (!program.empty()) {
        add(program);
        add(program / VELLOC_DATA_FROM_PROGRAM);
    }
    return folders;
}

// "a", "a or b", "a, b or c", with the given last joining word.
std::string listOf(const std::vector<std::string>& items, const std::string& last_join) {
    std::string list;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            list += i + 1 == items.size() ? " " + last_join + " " : ", ";
        }
        list += items[i];
    }
    return list;
}

// "vl-font.ttf and N files in sprites/, sounds/ and music/", from the manifest.
std::string whatIsLookedFor(const std::vector<std::string>& assets) {
    std::vector<std::string> subfolders;
    for (const std::string& file : assets) {
        const std::string subfolder = fs::path(file).parent_path().string() + "/";
        if (std::find(subfolders.begin(), subfolders.end(), subfolder) == subfolders.end()) {
            subfolders.push_back(subfolder);
        }
    }
    return std::string(vl::kFontFile) + " and " + std::to_string(assets.size()) + " files in " +
           listOf(subfolders, "and");
}

}  // namespace

bool enterRunFolder(std::string& reason) {
    const std::vector<std::string> assets = assetFiles();
    const std::vector<fs::path> folders = candidateFolders();
    for (const fs::path& folder : folders) {
        if (holdsGameFiles(folder, assets) && chdir(folder.c_str()) == 0) {
            return true;
        }
    }
    std::vector<std::string> names;
    for (const fs::path& folder : folders) {
        names.push_back(folder.string());
    }
    reason =
        "cannot find the game's files (" + whatIsLookedFor(assets) + ") in " + listOf(names, "or");
    return false;
}
