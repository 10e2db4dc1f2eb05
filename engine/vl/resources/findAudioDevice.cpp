#include "vl/resources/findAudioDevice.h"

#include <cstdlib>
#include <iostream>
#include <string>

#include "vl/platform/audioProbe.h"

namespace vl {

namespace {

AudioOutput output = AudioOutput::Undecided;

// A game reached over SSH would sound from the server's speakers, not the
// player's: it plays unheard unless VL_AUDIO=on asks otherwise.
bool isSilencedRemotely() {
    const char* connection = std::getenv("SSH_CONNECTION");
    const char* audio = std::getenv("VL_AUDIO");
    return connection != nullptr && *connection != '\0' &&
           (audio == nullptr || std::string(audio) != "on");
}

AudioOutput askAudioDevice(bool wait) {
    if (output == AudioOutput::Undecided && isSilencedRemotely()) {
        output = AudioOutput::Silent;
    }
    if (output == AudioOutput::Undecided) {
        startAudioProbe(std::getenv("ALSOFT_LOGLEVEL") == nullptr);
        output = AudioOutput::Asking;
    }
    if (output != AudioOutput::Asking) {
        return output;
    }
    switch (readAudioProbe(wait)) {
        case ProbeAnswer::Pending:
            break;
        case ProbeAnswer::Opens:
            output = AudioOutput::Device;
            break;
        case ProbeAnswer::Fails:
            output = AudioOutput::Silent;
            std::cerr << "vl: no audio device; playing without sound\n";
            break;
        case ProbeAnswer::TimedOut:
            output = AudioOutput::Silent;
            std::cerr << "vl: the audio device did not open within "
                      << kAudioProbeMilliseconds / 1000 << " seconds; playing without sound\n";
            break;
    }
    return output;
}

}  // namespace

AudioOutput pollAudioDevice() {
    return askAudioDevice(false);
}

bool findAudioDevice() {
    return askAudioDevice(true) == AudioOutput::Device;
}

void prepareAudioQuestion() {
    if (output == AudioOutput::Undecided && !isSilencedRemotely()) {
        prepareAudioProbe();
    }
}

void dismissAudioQuestion() {
    dismissAudioProbe();
}

void chooseSilentAudio() {
    if (output == AudioOutput::Undecided) {
        dismissAudioProbe();
        output = AudioOutput::Silent;
    }
}

}  // namespace vl
