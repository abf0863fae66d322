#pragma once
// Recording a run as an animated GIF: a frame of the board at the start and then every k-th
// generation, of a chosen area at a chosen cell size, up to a number of frames. The window
// records the coming run with it and plexa-cli the run it computes.

#include "base/u_Geometry.h"
#include "io/u_GifWriter.h"
#include "view/u_BoardImage.h"

#include <cstdint>
#include <string>

class TBoard;

enum class TRecordArea : int32_t {
    Visible = 0,   // the cells of the visible window when the recording starts
    LiveCells = 1, // the live cells with a one-cell border, growing as they spread
    Universe = 2,  // the whole board
};

inline constexpr int32_t kDefaultRecordFrames = 300;
inline constexpr int32_t kMaxRecordFrames = 10000;
inline constexpr int32_t kMaxRecordEvery = 1000000;
inline constexpr int32_t kMaxFrameDelayMs = 655350;
// Two frames are kept in memory: 64 M pixels each at most.
inline constexpr int64_t kMaxFramePixels = int64_t(1) << 26;

struct TRecordOptions {
    TRecordArea Area = TRecordArea::LiveCells;
    int32_t CellSize = 2;
    bool Grid = false;
    int32_t Every = 1;                        // a frame every so many generations
    int32_t MaxFrames = kDefaultRecordFrames; // the recording ends with this many
    int32_t DelayMs = 0;                      // between frames; 0 follows the run speed

    // Every value into its range.
    void Clamp();
    // The time between frames when the run waits `intervalMs` between generations.
    int32_t FrameDelayMs(int32_t intervalMs) const;
};

class TRecorder {
public:
    // `visible`: the cells of the visible window, for the area Visible. `options` are clamped.
    TRecorder(const TBoard& board, const TImageColors& colors, std::string path,
              TRecordOptions options, TRect visible, int32_t delayMs);

    // The first frame, of the board as it is; false, with Error(), when not even it fits.
    bool Start();
    // After a generation: a frame when the cycle has gone on by a multiple of Every since the
    // start. False once the recording is over: at the frame limit, or when a frame could not
    // be added (then Error() says why); the frames so far stay whole.
    bool Generation();
    // Writes the file; false, with Error(), when it could not be written.
    bool Finish();

    int32_t Frames() const { return FWriter.Frames(); }
    bool Over() const { return FOver; }
    const std::string& Error() const { return FWriter.Error(); }
    const std::string& Path() const { return FWriter.Path(); }
    const TRecordOptions& Options() const { return FOptions; }
    TGifWriter& Writer() { return FWriter; }

private:
    bool AddFrame();

    const TBoard& FBoard;
    TRecordOptions FOptions;
    TRect FArea;
    TGifWriter FWriter;
    TIndexImage FImage;
    int32_t FStartCycle = 0;
    int32_t FLastCycle = 0;
    bool FOver = false;
};
