#pragma once
// The program's short sounds, played from its resources without waiting for them to end.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QSoundEffect;

class TSoundPlayer {
public:
    TSoundPlayer();
    ~TSoundPlayer();
    TSoundPlayer(const TSoundPlayer&) = delete;
    TSoundPlayer& operator=(const TSoundPlayer&) = delete;

    // Starts the sound `name` ("SND_OPEN", "SND_DROP", "SND_DELETE", "SND_BLIP01",
    // "SND_BLIP02") and returns at once. Other names, and a machine without an audio output,
    // stay silent.
    void Play(std::string_view name);

private:
    bool HasOutput();

    // Asked once, at the first sound: without an output every later sound is skipped quietly.
    std::optional<bool> FHasOutput;
    // Each sound is loaded at its first use and kept, so that playing it again is immediate.
    std::map<std::string, std::unique_ptr<QSoundEffect>, std::less<>> FEffects;
};
