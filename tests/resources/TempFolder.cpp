#include "TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vl-resources-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot make a temporary folder");
    }
    root = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string TempFolder::path(const std::string& name) const {
    return root + "/" + name;
}

std::string TempFolder::write(const std::string& name, const std::string& text) const {
    const std::string file = path(name);
    std::ofstream out(file, std::ios::binary);
    out << text;
    if (!out) {
        throw std::runtime_error("cannot write " + file);
    }
    return file;
}
