#include "vl/resources/findAudioDevice.h"

#include <alc.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <iostream>

namespace vl {

namespace {

// The library reads its settings once, at its first use, and keeps the
// device backend it chose then; one that found no device cannot be pointed at
// its silent output afterwards, and on its way the sound system below it
// prints messages nothing turns off. So the question is asked in a child
// process, which exits with 0 when a device opened.
bool deviceOpensInChild(bool discard_messages) {
    const pid_t child = fork();
    if (child < 0) {
        return true;
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
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return true;
        }
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
        if (deviceOpensInChild(quiet)) {
            audio_choice = AudioChoice::Device;
        } else {
            selectSilentOutput();
            std::cerr << "vl: no audio device; playing without sound\n";
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
