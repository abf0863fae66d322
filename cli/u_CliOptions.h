#pragma once
// The command line of plexa-cli.

#include "io/u_InOut.h"
#include "view/u_Recorder.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TCliOptions {
    std::string PatternFile;
    std::optional<int> Game;
    std::optional<std::string> Rule;
    std::optional<int32_t> Width, Height;
    bool Wrap = false;
    std::optional<int32_t> States;
    std::optional<double> RandomPercent;
    uint64_t Seed = 0;
    int64_t Generations = 0;
    std::string OutFile;
    TSaveFormat Format = TSaveFormat::Rle;
    std::string PngFile, GifFile;
    int32_t CellSize = 1; // of pictures and recordings, clamped to 1..21
    int32_t Every = 1;    // a frame every so many generations
    int32_t Frames = kDefaultRecordFrames;
    bool Quiet = false;
    bool Help = false;
    bool ListRules = false;
    std::string HistoryFile;   // the population history as CSV
    bool StopPeriodic = false; // stop once a period has held one full period
};

// Parses argv[1..]; on a usage error returns nullopt and sets `error` to a one-line reason.
std::optional<TCliOptions> ParseCliOptions(const std::vector<std::string>& args,
                                           std::string& error);

const char* CliUsage();
