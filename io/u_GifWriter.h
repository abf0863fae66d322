#pragma once
// Animated GIF files of indexed frames. Each frame after the first keeps only what changed: it
// is cropped to the changed rectangle, and unchanged pixels in it are transparent. Frames may
// grow (each one covers the one before); the canvas is the last frame's area, and the first
// frame is padded to it (with Blank) when the file is finished. The frames go to a temporary
// file as they come, so memory holds the first and the last frame whatever the length; the
// finished file replaces the named one by a rename, and one that cannot be finished leaves
// nothing.

#include "base/u_Geometry.h"
#include "view/u_BoardImage.h"

#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class TGifWriter {
public:
    // GIF sizes are 16-bit.
    static constexpr int32_t kMaxSide = 65535;

    // `delayMs` between frames, kept to what a GIF can say (10 ms steps, at least 20 ms).
    TGifWriter(std::string path, const TImageColors& colors, int32_t delayMs);
    ~TGifWriter();
    TGifWriter(const TGifWriter&) = delete;
    TGifWriter& operator=(const TGifWriter&) = delete;

    // Adds `frame` with its top-left pixel at `origin` of the canvas; its area must cover the
    // area of the frame before. False when it cannot be added (too big, no memory, the disk
    // full, over MaxBytes): the frames before it stay whole, no more frames are taken, and
    // Error() says why.
    bool AddFrame(const TIndexImage& frame, TPoint origin);
    // Writes the file; false, with Error() naming the file, when it cannot be written (then
    // nothing is left at the path but what was there before).
    bool Finish();

    int32_t Frames() const { return FFrames; }
    const std::string& Error() const { return FError; }
    const std::string& Path() const { return FPath; }

    // The most the frames may take on disk; a frame that would pass it is refused.
    int64_t MaxBytes = int64_t(1) << 30;
    // What the canvas shows at pixel (x, y) before a frame covers it (the grid, say).
    std::function<uint8_t(int32_t x, int32_t y)> Blank = [](int32_t, int32_t) { return 0; };

private:
    struct TSink;
    struct TPlaced {
        int64_t Offset; // of the image descriptor in the frames file
        TPoint Origin;
    };

    bool OpenFrames();
    // Row `y` of what the canvas shows under `frame` at `origin` before it is drawn.
    const uint8_t* BeforeRow(const TIndexImage& frame, TPoint origin, int32_t y,
                             std::vector<uint8_t>& buffer) const;
    bool WriteDifference(const TIndexImage& frame, TPoint origin);
    bool WriteFile(const std::string& temp);
    void Fail(const std::string& why);

    std::string FPath;
    std::string FFramesPath;
    TImageColors FColors;
    int32_t FDelayCs;
    std::unique_ptr<TSink> FFramesFile;
    int64_t FFramesStart = 0; // where the frames start in the frames file
    int64_t FFramesEnd = 0;   // where the last whole frame ends
    std::vector<TPlaced> FPlaced;
    TIndexImage FFirst, FLast;
    TPoint FFirstOrigin, FLastOrigin;
    int32_t FFrames = 0;
    bool FStopped = false;
    std::string FError;
};
