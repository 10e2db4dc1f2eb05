#include "vl/platform/audioProbe.h"

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

namespace vl {

namespace {

// The audio library reads its settings once, at its first use, and keeps the
// device backend it chose then; on its way the sound system below it prints
// messages nothing turns off, and a device that blocks (a sound server that
// does not answer) blocks it. So the question is asked in a child process,
// which writes its answer on a socket: one byte, '1' when a device opened.
// The child is told to ask with one byte, 'q' to discard the library's
// messages or 'l' to let them through; it ends unasked when its socket closes.
struct Asker {
    pid_t pid = -1;
    int socket = -1;
    bool asked = false;
    std::chrono::steady_clock::time_point deadline;
    ProbeAnswer answer = ProbeAnswer::Pending;

    // A game that ends before the answer takes its child with it: one blocked
    // on a device would otherwise be left behind for good.
    ~Asker() {
        if (pid > 0) {
            close(socket);
            kill(pid, SIGKILL);
            int status = 0;
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
        }
    }
};

Asker asker;

constexpr int kChildSocket = 3;

// The child keeps its socket and nothing else of the parent's files (a
// recording being written, say): standard input and output go nowhere, and
// standard error too unless the library's messages are wanted.
void keepOnlySocket(int socket) {
    dup2(socket, kChildSocket);
    const int nowhere = open("/dev/null", O_RDWR);
    dup2(nowhere, STDIN_FILENO);
    dup2(nowhere, STDOUT_FILENO);
    // Last, so that the child goes from the parent's files to its own in one
    // step, /dev/null's extra descriptor included.
    close_range(kChildSocket + 1, ~0U, 0);
}

[[noreturn]] void askInChild(int socket) {
    keepOnlySocket(socket);
    char order = 0;
    ssize_t got = 0;
    do {
        got = read(kChildSocket, &order, 1);
    } while (got < 0 && errno == EINTR);
    if (got != 1) {
        _exit(2);
    }
    if (order == 'q') {
        setenv("ALSOFT_LOGLEVEL", "0", 1);
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDERR_FILENO);
    }
    ALCdevice* device = alcOpenDevice(nullptr);
    if (device != nullptr) {
        alcCloseDevice(device);
    }
    const char answer = device != nullptr ? '1' : '0';
    while (write(kChildSocket, &answer, 1) < 0 && errno == EINTR) {
    }
    // Without the parent's exit handlers and stream buffers.
    _exit(0);
}

// Collects the ended child. A host that collects its children itself may have
// taken it already; the answer came through the socket either way.
void collect(pid_t child) {
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
}

void finish(ProbeAnswer answer) {
    close(asker.socket);
    if (answer == ProbeAnswer::TimedOut) {
        kill(asker.pid, SIGKILL);
    }
    collect(asker.pid);
    asker.pid = -1;
    asker.socket = -1;
    asker.answer = answer;
}

}  // namespace

void prepareAudioProbe() {
    if (asker.pid > 0 || asker.answer != ProbeAnswer::Pending) {
        return;
    }
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        return;
    }
    const pid_t child = fork();
    if (child < 0) {
        close(ends[0]);
        close(ends[1]);
        return;
    }
    if (child == 0) {
        askInChild(ends[1]);
    }
    close(ends[1]);
    asker.pid = child;
    asker.socket = ends[0];
}

void startAudioProbe(bool discard_messages) {
    if (asker.asked || asker.answer != ProbeAnswer::Pending) {
        return;
    }
    prepareAudioProbe();
    asker.asked = true;
    asker.deadline =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(kAudioProbeMilliseconds);
    const char order = discard_messages ? 'q' : 'l';
    if (asker.pid < 0 || send(asker.socket, &order, 1, MSG_NOSIGNAL) != 1) {
        // Where no child can ask, the library is left to open its device
        // itself, as it does without the engine.
        if (asker.pid > 0) {
            finish(ProbeAnswer::Opens);
        }
        asker.answer = ProbeAnswer::Opens;
    }
}

ProbeAnswer readAudioProbe(bool wait) {
    if (!asker.asked || asker.answer != ProbeAnswer::Pending) {
        return asker.answer;
    }
    pollfd news{asker.socket, POLLIN, 0};
    int ready = 0;
    do {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            asker.deadline - std::chrono::steady_clock::now());
        const int timeout = wait ? static_cast<int>(std::max<long long>(0, left.count())) : 0;
        ready = poll(&news, 1, timeout);
    } while (ready < 0 && errno == EINTR);
    if (ready > 0) {
        char answer = 0;
        ssize_t got = 0;
        do {
            got = read(asker.socket, &answer, 1);
        } while (got < 0 && errno == EINTR);
        // A child that ended without a word crashed on the device.
        finish(got == 1 && answer == '1' ? ProbeAnswer::Opens : ProbeAnswer::Fails);
    } else if (std::chrono::steady_clock::now() >= asker.deadline) {
        finish(ProbeAnswer::TimedOut);
    }
    return asker.answer;
}

void dismissAudioProbe() {
    if (asker.asked || asker.pid < 0) {
        return;
    }
    close(asker.socket);
    collect(asker.pid);
    asker.pid = -1;
    asker.socket = -1;
}

}  // namespace vl
