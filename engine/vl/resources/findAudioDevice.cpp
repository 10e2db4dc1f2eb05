#include "vl/resources/findAudioDevice.h"

#include <alc.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <iostream>

namespace vl {

namespace {

// How long the device has to open before the game plays without it. A
// device that blocks (a sound server that does not answer, an output file
// nobody reads) would otherwise stop the game at its first sound.
constexpr int kDeviceAnswerMs = 5000;

enum class DeviceAnswer { Opens, Fails, None };

// Waits for the child to end, at most kDeviceAnswerMs: the child holds
// the write end of the pipe whose read end is given, so the read end reports
// an end of file when the child ends. A child still running then is killed.
DeviceAnswer awaitChild(pid_t child, int read_end) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kDeviceAnswerMs);
    pollfd ended{read_end, POLLIN, 0};
    int ready = 0;
    do {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        ready = poll(&ended, 1, static_cast<int>(std::max<long long>(0, left.count())));
    } while (ready < 0 && errno == EINTR);
    close(read_end);
    if (ready == 0) {
        kill(child, SIGKILL);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return DeviceAnswer::Opens;
        }
    }
    if (ready == 0) {
        return DeviceAnswer::None;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? DeviceAnswer::Opens
                                                         : DeviceAnswer::Fails;
}

// The library reads its settings once, at its first use, and keeps the
// device backend it chose then; one that found no device cannot be pointed at
// its silent output afterwards, and on its way the sound system below it
// prints messages nothing turns off. So the question is asked in a child
// process, which exits with 0 when a device opened.
DeviceAnswer askDeviceInChild(bool discard_messages) {
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return DeviceAnswer::Opens;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(ends[0]);
        close(ends[1]);
        return DeviceAnswer::Opens;
    }
    if (child == 0) {
        if (discard_messages) {
            const int nowhere = open("/dev/null", O_WRONLY);
            dup2(nowhere, STDERR_FILENO);
        }
        ALCdevice* device = alcOpenDevice(nullptr);
        if (device != nullptr) {
            alcCloseDevice(device);
        }
        // Without the parent's exit handlers and stream buffers.
        _exit(device != nullptr ? 0 : 1);
    }
    close(ends[1]);
    return awaitChild(child, ends[0]);
}

enum class AudioChoice { Undecided, Device, Silent };

AudioChoice audio_choice = AudioChoice::Undecided;

void selectSilentOutput() {
    setenv("ALSOFT_DRIVERS", "null", 1);
    audio_choice = AudioChoice::Silent;
}

}  // namespace

bool findAudioDevice() {
    if (audio_choice == AudioChoice::Undecided) {
        const bool quiet = std::getenv("ALSOFT_LOGLEVEL") == nullptr;
        if (quiet) {
            setenv("ALSOFT_LOGLEVEL", "0", 1);
        }
        const DeviceAnswer answer = askDeviceInChild(quiet);
        if (answer == DeviceAnswer::Opens) {
            audio_choice = AudioChoice::Device;
        } else {
            selectSilentOutput();
            if (answer == DeviceAnswer::Fails) {
                std::cerr << "vl: no audio device; playing without sound\n";
            } else {
                std::cerr << "vl: the audio device did not open within " << kDeviceAnswerMs / 1000
                          << " seconds; playing without sound\n";
            }
        }
    }
    return audio_choice == AudioChoice::Device;
}

void chooseSilentAudio() {
    if (audio_choice == AudioChoice::Undecided) {
        selectSilentOutput();
    }
}

}  // namespace vl
