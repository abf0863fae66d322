#include "io/u_GifWriter.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <new>

namespace {

constexpr int32_t kColorResolution = 8;

// Inclusive pixel bounds.
struct TBounds {
    int32_t Left, Top, Right, Bottom;
};

// Whether `outer` at `origin` covers `inner` at `innerOrigin`.
bool Covers(const TIndexImage& outer, TPoint origin, const TIndexImage& inner, TPoint innerOrigin)
{
    return origin.X <= innerOrigin.X && origin.Y <= innerOrigin.Y &&
           int64_t(origin.X) + outer.Width >= int64_t(innerOrigin.X) + inner.Width &&
           int64_t(origin.Y) + outer.Height >= int64_t(innerOrigin.Y) + inner.Height;
}

struct TColorMapDeleter {
    void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};
using TColorMap = std::unique_ptr<ColorMapObject, TColorMapDeleter>;

TColorMap MakeColorMap(const TImageColors& colors)
{
    GifColorType table[kImageColors];
    for (int i = 0; i < kImageColors; ++i)
        table[i] = {GifByteType(colors[i] & 0xFF), GifByteType(colors[i] >> 8 & 0xFF),
                    GifByteType(colors[i] >> 16 & 0xFF)};
    return TColorMap(GifMakeMapObject(kImageColors, table));
}

// The block that makes viewers repeat the animation for ever.
bool PutLoopForEver(GifFileType* gif)
{
    static const GifByteType kLoop[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof kLoop, kLoop) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

bool PutFrameControl(GifFileType* gif, int32_t delayCs, int transparent)
{
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = delayCs;
    control.TransparentColor = transparent;
    GifByteType bytes[4];
    const size_t length = EGifGCBToExtension(&control, bytes);
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), bytes) == GIF_OK;
}

} // namespace

// A file that giflib writes through, counting its bytes and refusing any past its limit.
struct TGifWriter::TSink {
    FILE* File = nullptr;
    GifFileType* Gif = nullptr;
    int64_t Count = 0;
    int64_t Limit = std::numeric_limits<int64_t>::max();
    bool Failed = false;

    static int Output(GifFileType* gif, const GifByteType* bytes, int length)
    {
        return static_cast<TSink*>(gif->UserData)->Write(bytes, length) ? length : 0;
    }
    bool Write(const void* bytes, int64_t length)
    {
        if (Failed || Count + length > Limit ||
            std::fwrite(bytes, 1, size_t(length), File) != size_t(length))
            Failed = true;
        else
            Count += length;
        return !Failed;
    }
    bool Open(const std::string& path, const ColorMapObject* colors, int32_t width, int32_t height)
    {
        File = std::fopen(path.c_str(), "w+b");
        int error = 0;
        if (File) Gif = EGifOpen(this, Output, &error);
        if (!Gif) return false;
        EGifSetGifVersion(Gif, true);
        return EGifPutScreenDesc(Gif, width, height, kColorResolution, 0, colors) == GIF_OK;
    }
    // True when everything written reached the file.
    bool Close()
    {
        int error = 0;
        bool written = !Failed;
        if (Gif) written = EGifCloseFile(Gif, &error) == GIF_OK && written;
        if (File) written = std::fclose(File) == 0 && written;
        Gif = nullptr;
        File = nullptr;
        return written && !Failed;
    }
    ~TSink() { Close(); }
};

TGifWriter::TGifWriter(std::string path, const TImageColors& colors, int32_t delayMs)
    : FPath(std::move(path)), FFramesPath(FPath + ".frames.tmp"), FColors(colors),
      FDelayCs(std::clamp((delayMs + 5) / 10, 2, 65535))
{}

TGifWriter::~TGifWriter()
{
    if (FFramesFile) {
        FFramesFile->Close();
        std::remove(FFramesPath.c_str());
    }
}

void TGifWriter::Fail(const std::string& why)
{
    FStopped = true;
    FError = why;
}

bool TGifWriter::AddFrame(const TIndexImage& frame, TPoint origin)
{
    if (FStopped) return false;
    const std::string stopped = "The recording " + FPath + " stopped after " +
                                std::to_string(FFrames) + (FFrames == 1 ? " frame" : " frames");
    const bool fits = frame.Width > 0 && frame.Height > 0 && frame.Width <= kMaxSide &&
                      frame.Height <= kMaxSide &&
                      (FFrames == 0 || Covers(frame, origin, FLast, FLastOrigin));
    // The file is opened with the first frame, so that a place it cannot go shows at once.
    if (!OpenFrames()) {
        Fail("The recording " + FPath + " could not be written.");
        return false;
    }
    try {
        if (fits && FFrames == 0) {
            FFirst = frame;
            FFirstOrigin = origin;
        } else if (!fits || !WriteDifference(frame, origin)) {
            Fail(FFrames == 0 ? "The recording " + FPath + " cannot start: its frames are too big."
                              : stopped + ": the next frame would not fit in memory or on disk.");
            return false;
        }
        FLast = frame;
        FLastOrigin = origin;
    } catch (const std::bad_alloc&) {
        Fail(stopped + ": the next frame would not fit in memory.");
        return false;
    }
    ++FFrames;
    return true;
}

bool TGifWriter::OpenFrames()
{
    if (FFramesFile) return true;
    FFramesFile = std::make_unique<TSink>();
    const TColorMap colors = MakeColorMap(FColors);
    // Frames are placed when the file is finished; until then any place will do.
    if (!colors || !FFramesFile->Open(FFramesPath, colors.get(), kMaxSide, kMaxSide)) return false;
    FFramesStart = FFramesEnd = FFramesFile->Count;
    FFramesFile->Limit = MaxBytes;
    return true;
}

const uint8_t* TGifWriter::BeforeRow(const TIndexImage& frame, TPoint origin, int32_t y,
                                     std::vector<uint8_t>& buffer) const
{
    const int32_t ly = origin.Y + y - FLastOrigin.Y, dx = FLastOrigin.X - origin.X;
    const uint8_t* last = ly >= 0 && ly < FLast.Height
                              ? FLast.Pixels.data() + size_t(ly) * size_t(FLast.Width)
                              : nullptr;
    // Mostly the frame has the last one's area.
    if (last && dx == 0 && FLast.Width == frame.Width) return last;
    buffer.resize(size_t(frame.Width));
    for (int32_t x = 0; x < frame.Width; ++x) {
        const int32_t lx = x - dx;
        buffer[size_t(x)] =
            last && lx >= 0 && lx < FLast.Width ? last[lx] : Blank(origin.X + x, origin.Y + y);
    }
    return buffer.data();
}

bool TGifWriter::WriteDifference(const TIndexImage& frame, TPoint origin)
{
    // What the canvas shows under the new frame: the last frame, and the blank canvas around it.
    std::vector<uint8_t> buffer;
    auto row = [&](int32_t y) { return frame.Pixels.data() + size_t(y) * size_t(frame.Width); };
    TBounds changed{frame.Width, frame.Height, -1, -1};
    for (int32_t y = 0; y < frame.Height; ++y) {
        const uint8_t* now = row(y);
        const uint8_t* before = BeforeRow(frame, origin, y, buffer);
        int32_t first = 0, last = frame.Width - 1;
        while (first < frame.Width && now[first] == before[first]) ++first;
        if (first == frame.Width) continue;
        while (now[last] == before[last]) --last;
        changed = {std::min(changed.Left, first), std::min(changed.Top, y),
                   std::max(changed.Right, last), y};
    }
    // An unchanged frame still takes its time: one transparent pixel.
    if (changed.Right < 0) changed = {0, 0, 0, 0};
    const int32_t width = changed.Right - changed.Left + 1;
    const int32_t height = changed.Bottom - changed.Top + 1;
    std::vector<GifPixelType> pixels(size_t(width) * size_t(height));
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* now = row(changed.Top + y) + changed.Left;
        const uint8_t* before = BeforeRow(frame, origin, changed.Top + y, buffer) + changed.Left;
        GifPixelType* out = pixels.data() + size_t(y) * size_t(width);
        for (int32_t x = 0; x < width; ++x) out[x] = now[x] == before[x] ? kUnusedIndex : now[x];
    }

    GifFileType* gif = FFramesFile->Gif;
    if (!PutFrameControl(gif, FDelayCs, kUnusedIndex)) return false;
    const int64_t descriptor = FFramesFile->Count;
    if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) != GIF_OK ||
        EGifPutLine(gif, pixels.data(), width * height) != GIF_OK || FFramesFile->Failed)
        return false;
    FFramesEnd = FFramesFile->Count;
    FPlaced.push_back({descriptor, {origin.X + changed.Left, origin.Y + changed.Top}});
    return true;
}

bool TGifWriter::Finish()
{
    const std::string temp = FPath + ".tmp";
    // The frames file is read back whole up to its last whole frame.
    if (FFramesFile) {
        FFramesFile->Close();
        FFramesFile.reset();
    }
    const bool written = FFrames > 0 && WriteFile(temp);
    std::remove(FFramesPath.c_str());
    if (written && std::rename(temp.c_str(), FPath.c_str()) == 0) return true;
    std::remove(temp.c_str());
    Fail("The recording " + FPath + " could not be written.");
    return false;
}

bool TGifWriter::WriteFile(const std::string& temp)
{
    TSink out;
    const TColorMap colors = MakeColorMap(FColors);
    const int32_t width = FLast.Width, height = FLast.Height;
    if (!colors || !out.Open(temp, colors.get(), width, height) || !PutLoopForEver(out.Gif) ||
        !PutFrameControl(out.Gif, FDelayCs, NO_TRANSPARENT_COLOR) ||
        EGifPutImageDesc(out.Gif, 0, 0, width, height, false, nullptr) != GIF_OK)
        return false;
    // The first frame, on the blank canvas.
    std::vector<GifPixelType> row(static_cast<size_t>(width));
    const int32_t dx = FFirstOrigin.X - FLastOrigin.X, dy = FFirstOrigin.Y - FLastOrigin.Y;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x)
            row[size_t(x)] = Blank(FLastOrigin.X + x, FLastOrigin.Y + y);
        const int32_t fy = y - dy;
        if (fy >= 0 && fy < FFirst.Height)
            std::memcpy(row.data() + dx, FFirst.Pixels.data() + size_t(fy) * size_t(FFirst.Width),
                        size_t(FFirst.Width));
        if (EGifPutLine(out.Gif, row.data(), width) != GIF_OK) return false;
    }

    // The other frames as they were written, then each put at its place on the canvas.
    const int64_t copied = out.Count;
    if (FFramesEnd > FFramesStart) {
        FILE* frames = std::fopen(FFramesPath.c_str(), "rb");
        bool read = frames && std::fseek(frames, long(FFramesStart), SEEK_SET) == 0;
        std::vector<char> chunk(1 << 16);
        for (int64_t left = FFramesEnd - FFramesStart; read && left > 0;) {
            const size_t n =
                std::fread(chunk.data(), 1, size_t(std::min<int64_t>(left, 1 << 16)), frames);
            read = n > 0 && out.Write(chunk.data(), int64_t(n));
            left -= int64_t(n);
        }
        if (frames) std::fclose(frames);
        if (!read) return false;
    }
    for (const TPlaced& placed : FPlaced) {
        const int32_t x = placed.Origin.X - FLastOrigin.X, y = placed.Origin.Y - FLastOrigin.Y;
        const unsigned char place[4] = {uint8_t(x), uint8_t(x >> 8), uint8_t(y), uint8_t(y >> 8)};
        // After the descriptor's separator byte.
        if (std::fseek(out.File, long(copied + placed.Offset - FFramesStart + 1), SEEK_SET) != 0 ||
            std::fwrite(place, 1, sizeof place, out.File) != sizeof place)
            return false;
    }
    return std::fseek(out.File, 0, SEEK_END) == 0 && out.Close();
}
