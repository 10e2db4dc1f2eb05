#include "vl/resources/findAudioDevice.h"

#include <alc.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
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

// A child process that asks for the device once it is told to: one byte
// on its socket, 'q' to discard the audio library's messages or 'l' to let
// them through. The socket reaches its end of file when the child ends.
struct Asker {
    pid_t pid = -1;
    int socket = -1;
};

Asker waiting_asker;

[[noreturn]] void askForDevice(bool discard_messages) {
    if (discard_messages) {
        setenv("ALSOFT_LOGLEVEL", "0", 1);
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

// The library reads its settings once, at its first use, and keeps the
// device backend it chose then; one that found no device cannot be pointed at
// its silent output afterwards, and on its way the sound system below it
// prints messages nothing turns off. So the question is asked in a child
// process, which exits with 0 when a device opened. A child that is never
// asked ends when the parent closes its end of the socket, or ends itself.
Asker forkAsker() {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        return {};
    }
    const pid_t child = fork();
    if (child < 0) {
        close(ends[0]);
        close(ends[1]);
        return {};
    }
    if (child == 0) {
        close(ends[0]);
        char order = 0;
        ssize_t got = 0;
        do {
            got = read(ends[1], &order, 1);
        } while (got < 0 && errno == EINTR);
        if (got != 1) {
            _exit(2);
        }
        askForDevice(order == 'q');
    }
    close(ends[1]);
    return {child, ends[0]};
}

// Collects the ended child, through interruptions; false when it cannot be
// collected.
bool collect(pid_t child, int& status) {
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return false;
        }
    }
    return true;
}

// Waits for the child to end, at most kDeviceAnswerMs; a child still running
// then is killed.
DeviceAnswer awaitAnswer(const Asker& asker) {
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kDeviceAnswerMs);
    pollfd ended{asker.socket, POLLIN, 0};
    int ready = 0;
    do {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        ready = poll(&ended, 1, static_cast<int>(std::max<long long>(0, left.count())));
    } while (ready < 0 && errno == EINTR);
    close(asker.socket);
    if (ready == 0) {
        kill(asker.pid, SIGKILL);
    }
    int status = 0;
    if (!collect(asker.pid, status)) {
        return DeviceAnswer::Opens;
    }
    if (ready == 0) {
        return DeviceAnswer::None;
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? DeviceAnswer::Opens
                                                         : DeviceAnswer::Fails;
}

// Lets a waiting child go unasked and collects it.
void dismissAsker(Asker& asker) {
    if (asker.pid > 0) {
        close(asker.socket);
        int status = 0;
        collect(asker.pid, status);
    }
    asker = {};
}

// Sends the child its order; false when the child is gone.
bool tell(const Asker& asker, bool discard_messages) {
    const char order = discard_messages ? 'q' : 'l';
    return asker.pid > 0 && send(asker.socket, &order, 1, MSG_NOSIGNAL) == 1;
}

// Asks the waiting child, or one made now when none waits or the waiting one
// is gone. Where no child can be made, the device is taken to open.
DeviceAnswer askDeviceInChild(bool discard_messages) {
    Asker asker = waiting_asker;
    waiting_asker = {};
    if (!tell(asker, discard_messages)) {
        dismissAsker(asker);
        asker = forkAsker();
        if (!tell(asker, discard_messages)) {
            dismissAsker(asker);
            return DeviceAnswer::Opens;
        }
    }
    return awaitAnswer(asker);
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

void prepareAudioQuestion() {
    if (audio_choice == AudioChoice::Undecided && waiting_asker.pid < 0) {
        waiting_asker = forkAsker();
    }
}

void chooseSilentAudio() {
    if (audio_choice == AudioChoice::Undecided) {
        dismissAsker(waiting_asker);
        selectSilentOutput();
    }
}

}  // namespace vl
