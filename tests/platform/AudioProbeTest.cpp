#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>
#include <thread>

#include <vl/platform/audioProbe.h>
#include "support/TestFolder.h"

namespace {

// A host program that collects every child itself, as soon as it ends.
void collectEveryChild(int) {
    while (waitpid(-1, nullptr, WNOHANG) > 0) {
    }
}

// The files the process holds open, by number.
std::set<int> openFiles(pid_t pid) {
    std::set<int> files;
    DIR* folder = opendir(("/proc/" + std::to_string(pid) + "/fd").c_str());
    while (folder != nullptr) {
        const dirent* entry = readdir(folder);
        if (entry == nullptr) {
            break;
        }
        if (entry->d_name[0] != '.') {
            files.insert(std::atoi(entry->d_name));
        }
    }
    if (folder != nullptr) {
        closedir(folder);
    }
    return files;
}

// The device is asked for in a child that holds none of the game's files
// (a recording being written, say) and answers through its socket, so a
// host that collects its children itself cannot make a missing device read
// as one that opens.
TEST(AudioProbe, AnswersThroughItsSocketHoldingNoFileOfTheGame) {
    const std::string settings =
        writeTestFile("alsoft.conf", "drivers = alsa\n[alsa]\ndevice = vl-no-such-device\n");
    setenv("ALSOFT_CONF", settings.c_str(), 1);
    unsetenv("ALSOFT_DRIVERS");
    const int recording = open(writeTestFile("recording", "").c_str(), O_WRONLY);
    ASSERT_GE(recording, 0);
    struct sigaction host {};
    host.sa_handler = collectEveryChild;
    sigaction(SIGCHLD, &host, nullptr);

    vl::prepareAudioProbe();
    std::ifstream children("/proc/self/task/" + std::to_string(getpid()) + "/children");
    pid_t child = 0;
    ASSERT_TRUE(children >> child) << "no child waits to ask";
    // The child lets the files go as it starts.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (openFiles(child) != std::set<int>{0, 1, 2, 3} &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_EQ(openFiles(child), (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(vl::readAudioProbe(true), vl::ProbeAnswer::Pending) << "answered unasked";
    vl::startAudioProbe(true);
    EXPECT_EQ(vl::readAudioProbe(true), vl::ProbeAnswer::Fails);

    signal(SIGCHLD, SIG_DFL);
    close(recording);
}

}  // namespace
