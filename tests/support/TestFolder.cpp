#include "support/TestFolder.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <vector>

const std::string& testFolder() {
    static std::string test_name;
    static std::string folder;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name =
        test == nullptr ? "vl-test" : std::string(test->test_suite_name()) + "." + test->name();
    if (name != test_name) {
        test_name = name;
        std::string pattern =
            (std::filesystem::temp_directory_path() / ("vl-" + name + "-XXXXXX")).string();
        std::vector<char> buffer(pattern.begin(), pattern.end());
        buffer.push_back('\0');
        folder = mkdtemp(buffer.data()) == nullptr ? "" : buffer.data();
    }
    return folder;
}

std::string writeTestFile(const std::string& name, const std::string& text) {
    const std::string file = testFolder() + "/" + name;
    std::ofstream out(file, std::ios::binary);
    out << text;
    EXPECT_TRUE(out.good()) << "cannot write " << file;
    return file;
}
