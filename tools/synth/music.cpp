#include "music.h"

#include <array>
#include <cstddef>
#include <vector>

#include "Instrument.h"
#include "drums.h"

namespace synth {

namespace {

constexpr double kBeat = 0.5;
constexpr int kBeatsPerBar = 4;
constexpr int kBars = 16;

struct Chord {
    int bass;
    std::array<int, 3> pad;
};

struct Note {
    double beat;
    double beats;
    int pitch;
};

constexpr Chord kAm{45, {57, 60, 64}};
constexpr Chord kF{41, {57, 60, 65}};
constexpr Chord kC{48, {55, 60, 64}};
constexpr Chord kG{43, {55, 59, 62}};
constexpr Chord kDm{50, {57, 62, 65}};
constexpr Chord kE{40, {56, 59, 64}};
constexpr Chord kEm{40, {55, 59, 64}};

// Ends on E, which leads back into the A minor of the first bar.
constexpr std::array<Chord, kBars> kChords{kAm, kF, kC,  kG,  kAm, kF,  kDm, kE,
                                           kF,  kG, kEm, kAm, kDm, kAm, kE,  kE};

// Semitones above the bar's bass note, one per eighth.
constexpr std::array<int, 8> kBassLine{0, 0, 12, 0, 0, 12, 0, 7};

// The lead rests through the last beat so that its final note fades out
// before the loop starts again.
const std::vector<Note> kMelody{
    {0, 1, 76},     {1, .5, 69},    {1.5, .5, 72},  {2, .5, 76},    {2.5, .5, 74},  {3, 1, 72},
    {4, 1, 72},     {5, .5, 69},    {5.5, .5, 72},  {6, 1, 77},     {7, 1, 76},     {8, 1.5, 76},
    {9.5, .5, 74},  {10, 1, 72},    {11, 1, 67},    {12, 1.5, 74},  {13.5, .5, 71}, {14, 2, 67},
    {16, 1, 76},    {17, .5, 81},   {17.5, .5, 79}, {18, 1, 76},    {19, 1, 72},    {20, 1, 77},
    {21, .5, 76},   {21.5, .5, 74}, {22, 1, 72},    {23, 1, 69},    {24, 1, 74},    {25, 1, 77},
    {26, 1, 81},    {27, 1, 77},    {28, 1.5, 80},  {29.5, .5, 76}, {30, 1, 71},    {31, 1, 68},
    {32, 2, 81},    {34, 1, 84},    {35, 1, 81},    {36, 2, 83},    {38, 1, 86},    {39, 1, 83},
    {40, 1, 79},    {41, 1, 76},    {42, 1, 83},    {43, 1, 79},    {44, 3, 81},    {48, 1, 77},
    {49, .5, 76},   {49.5, .5, 74}, {50, 1, 69},    {51, 1, 74},    {52, 1, 72},    {53, .5, 71},
    {53.5, .5, 69}, {54, 2, 76},    {56, 1, 68},    {57, 1, 71},    {58, 1, 76},    {59, 1, 80},
    {60, 1, 83},    {61, .5, 80},   {61.5, .5, 76}, {62, 1, 71},
};

void addDrums(Track& track) {
    const std::vector<float> kick = kickDrum();
    for (int beat = 0; beat < kBars * kBeatsPerBar; ++beat) {
        const double start = beat * kBeat;
        if (beat % 2 == 0) {
            track.mix(kick, start, 0.55f);
        } else {
            track.mix(snareDrum(0x51u + beat), start, 0.22f);
        }
        track.mix(hiHat(0x4a7u + beat), start, 0.05f);
        track.mix(hiHat(0x9b1u + beat), start + kBeat / 2, 0.09f);
    }
}

void addBass(Track& track) {
    Instrument bass({1.0f, 0.5f, 0.33f, 0.25f, 0.18f, 0.12f, 0.08f, 0.05f},
                    Envelope(0.005, 0.12, 0.5, 0.03));
    const double eighth = kBeat / 2;
    for (int bar = 0; bar < kBars; ++bar) {
        for (std::size_t step = 0; step < kBassLine.size(); ++step) {
            const int pitch = kChords[bar].bass + kBassLine[step];
            const double start = (bar * kBeatsPerBar) * kBeat + step * eighth;
            track.mix(bass.play(noteFrequency(pitch), eighth * 0.75), start, 0.3f);
        }
    }
}

void addPad(Track& track) {
    Instrument pad({1.0f, 0.0f, 0.11f, 0.0f, 0.04f}, Envelope(0.35, 0.5, 0.7, 0.5));
    pad.setDetune(9.0);
    const double bar_length = kBeatsPerBar * kBeat;
    for (int bar = 0; bar < kBars; ++bar) {
        for (int pitch : kChords[bar].pad) {
            track.mix(pad.play(noteFrequency(pitch), bar_length - 0.5), bar * bar_length, 0.07f);
        }
    }
}

void addLead(Track& track) {
    Instrument lead({1.0f, 0.15f, 0.33f, 0.08f, 0.2f, 0.05f, 0.12f},
                    Envelope(0.01, 0.15, 0.7, 0.08));
    lead.setVibrato(0.15, 5.5, 0.15);
    lead.setDetune(6.0);
    for (const Note& note : kMelody) {
        track.mix(lead.play(noteFrequency(note.pitch), note.beats * kBeat * 0.85),
                  note.beat * kBeat, 0.22f);
    }
}

}  // namespace

Track makeMusic() {
    Track track(kBars * kBeatsPerBar * kBeat);
    addDrums(track);
    addBass(track);
    addPad(track);
    addLead(track);
    return track;
}

}  // namespace synth
