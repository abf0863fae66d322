// PNG pictures and GIF recordings, read back with libpng and giflib.
#include "io/u_GifWriter.h"
#include "io/u_PngWriter.h"
#include "view/u_Recorder.h"

#include "BoardFixture.h"

#include <gif_lib.h>
#include <png.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <set>

namespace fs = std::filesystem;

namespace {

TImageColors Distinct()
{
    TCPalette palette;
    for (int i = 0; i < kPaletteColors; ++i) palette.SetColor(i, 0x030201u * (i + 1));
    return ImageColors(palette);
}

// A GIF read back: the canvas size, the frame count, and the frames asked for as the canvas
// shows them after each one.
struct TReadGif {
    int Width = 0, Height = 0, Frames = 0;
    std::map<int, std::vector<uint8_t>> Shown;
};

TReadGif ReadGif(const std::string& path, const std::set<int>& keep)
{
    TReadGif result;
    int error = 0;
    GifFileType* gif = DGifOpenFileName(path.c_str(), &error);
    if (!gif) return result;
    if (DGifSlurp(gif) == GIF_OK) {
        result.Width = gif->SWidth;
        result.Height = gif->SHeight;
        result.Frames = gif->ImageCount;
        std::vector<uint8_t> canvas(size_t(gif->SWidth) * size_t(gif->SHeight), 0);
        for (int i = 0; i < gif->ImageCount; ++i) {
            const SavedImage& image = gif->SavedImages[i];
            GraphicsControlBlock control{};
            DGifSavedExtensionToGCB(gif, i, &control);
            const GifImageDesc& d = image.ImageDesc;
            for (int y = 0; y < d.Height; ++y)
                for (int x = 0; x < d.Width; ++x) {
                    const uint8_t pixel = image.RasterBits[y * d.Width + x];
                    if (pixel != control.TransparentColor)
                        canvas.at(size_t(d.Top + y) * size_t(gif->SWidth) + size_t(d.Left + x)) =
                            pixel;
                }
            if (keep.count(i)) result.Shown[i] = canvas;
        }
    }
    DGifCloseFile(gif, &error);
    return result;
}

std::vector<uint8_t> Picture(const TBoard& board, const TRect& cells, int32_t size, bool grid)
{
    TIndexImage image;
    EXPECT_TRUE(PaintCellPicture(board, {cells, size, grid}, image));
    return image.Pixels;
}

} // namespace

class TPictureFilesTest : public TBoardTest {
protected:
    void SetUp() override
    {
        TBoardTest::SetUp();
        Dir = fs::temp_directory_path() / ("plexa_pictures_" + std::to_string(::getpid()));
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }
    std::string File(const char* name) const { return (Dir / name).string(); }
    // No temporary file is left beside the pictures.
    void ExpectOnly(const std::set<std::string>& names) const
    {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(Dir))
            found.insert(entry.path().filename().string());
        EXPECT_EQ(found, names);
    }
    void Soup(int32_t width, int32_t height, uint64_t seed)
    {
        Board.SetSize(width, height);
        std::mt19937_64 rng(seed);
        for (int32_t x = Board.MinX(); x <= Board.MaxX(); ++x)
            for (int32_t y = Board.MinY(); y <= Board.MaxY(); ++y)
                if (rng() % 2) Board.SetCell(x, y, 1);
    }

    fs::path Dir;
    TImageColors Colors = Distinct();
};

TEST_F(TPictureFilesTest, PngHoldsTheLiveCellsFramedAtTheirCellSize)
{
    struct TCase {
        int32_t CellSize;
        bool Grid;
        int Width, Height; // a pattern of 3 x 2 cells with its border: 5 x 4 cells
        int CellX, CellY;  // a pixel of the live cell (1, 0), and one of the grid
        int GridX, GridY;
    };
    const TCase cases[] = {
        {1, false, 5, 4, 2, 1, -1, -1},
        {4, false, 20, 16, 9, 5, -1, -1},
        {4, true, 21, 17, 9, 5, 8, 3},
        {2, true, 10, 8, 4, 2, -1, -1}, // too small for a grid
    };
    Board.SetStatesCount(5);
    Put({{-1, 0}, {0, 0}}, 1);
    Put({{1, 1}}, 4);
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "cell size " << c.CellSize << " grid " << c.Grid);
        TIndexImage image;
        ASSERT_TRUE(PaintCellPicture(Board, {LiveCellsFramed(Board), c.CellSize, c.Grid}, image));
        std::string error;
        ASSERT_TRUE(WritePng(File("p.png"), image, Colors, error)) << error;
        ExpectOnly({"p.png"});

        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        ASSERT_TRUE(png_image_begin_read_from_file(&png, File("p.png").c_str()));
        png.format = PNG_FORMAT_RGB;
        std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(png));
        ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr));
        ASSERT_EQ(int(png.width), c.Width);
        ASSERT_EQ(int(png.height), c.Height);
        auto color = [&](int x, int y) {
            const uint8_t* p = &rgb[(size_t(y) * png.width + size_t(x)) * 3];
            return TColor(p[0] | p[1] << 8 | p[2] << 16);
        };
        EXPECT_EQ(color(c.CellX, c.CellY), Colors[1]);
        const int line = c.Grid && c.CellSize >= 3 ? 1 : 0;
        EXPECT_EQ(color(c.Width - 1, c.Height - 1), line ? Colors[kGridIndex] : Colors[0]);
        // Cell (1, 1) in state 4 is the last cell inside the border.
        EXPECT_EQ(color(c.Width - 1 - line - c.CellSize, c.Height - 1 - line - c.CellSize),
                  Colors[4]);
        if (c.GridX >= 0) {
            EXPECT_EQ(color(c.GridX, c.GridY), Colors[kGridIndex]);
        }
    }
}

TEST_F(TPictureFilesTest, PngThatCannotBeWrittenSaysSoAndLeavesNothing)
{
    Put({{0, 0}});
    TIndexImage image;
    ASSERT_TRUE(PaintCellPicture(Board, {LiveCellsFramed(Board), 1, false}, image));
    std::string error;
    const std::string path = File("missing/p.png");
    EXPECT_FALSE(WritePng(path, image, Colors, error));
    EXPECT_NE(error.find(path), std::string::npos);
    ExpectOnly({});
}

TEST_F(TPictureFilesTest, SoupRecordingKeepsEveryFrameInLittleSpace)
{
    // 300 frames of a 400 x 300 soup at two pixels a cell.
    Soup(400, 300, 11);
    TRecordOptions options;
    options.Area = TRecordArea::Universe;
    options.CellSize = 2;
    TRecorder recorder(Board, Colors, File("soup.gif"), options, {}, 50);
    const std::set<int> keep{0, 1, 150, 299};
    std::map<int, std::vector<uint8_t>> expected;
    ASSERT_TRUE(recorder.Start());
    expected[0] = Picture(Board, Board.Extents(), 2, false);
    while (!recorder.Over()) {
        Board.Step(false);
        const bool more = recorder.Generation();
        if (keep.count(recorder.Frames() - 1) && !expected.count(recorder.Frames() - 1))
            expected[recorder.Frames() - 1] = Picture(Board, Board.Extents(), 2, false);
        if (!more) break;
    }
    ASSERT_EQ(recorder.Frames(), 300);
    ASSERT_TRUE(recorder.Finish()) << recorder.Error();
    ExpectOnly({"soup.gif"});
    EXPECT_LT(fs::file_size(File("soup.gif")), 8u << 20);

    const TReadGif gif = ReadGif(File("soup.gif"), keep);
    EXPECT_EQ(gif.Frames, 300);
    EXPECT_EQ(gif.Width, 800);
    EXPECT_EQ(gif.Height, 600);
    for (int frame : keep) EXPECT_EQ(gif.Shown.at(frame), expected.at(frame)) << "frame " << frame;
}

TEST_F(TPictureFilesTest, LiveCellsRecordingGrowsWithAGlider)
{
    // A glider every 2nd generation, with grid; the canvas ends as its whole track.
    Put({{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}});
    TGlobals start(Host);
    start.Board.SetSize(200, 200);
    for (auto [x, y] : {std::pair{1, 0}, {2, 1}, {0, 2}, {1, 2}, {2, 2}})
        start.Board.SetCell(x, y, 1);
    TRecordOptions options;
    options.CellSize = 3;
    options.Grid = true;
    options.Every = 2;
    options.MaxFrames = 11;
    TRecorder recorder(Board, Colors, File("glider.gif"), options, {}, 0);
    ASSERT_TRUE(recorder.Start());
    for (int gen = 0; gen < 100 && recorder.Generation(); ++gen) Board.Step(false);
    ASSERT_TRUE(recorder.Finish()) << recorder.Error();
    EXPECT_EQ(Board.Cycle(), 20);

    // 20 generations move it by 5 cells each way: 3 + 5 cells and the border.
    const TRect track{-1, -1, 8, 8};
    const TReadGif gif = ReadGif(File("glider.gif"), {0, 10});
    EXPECT_EQ(gif.Frames, 11);
    EXPECT_EQ(gif.Width, 10 * 3 + 1);
    EXPECT_EQ(gif.Height, 10 * 3 + 1);
    EXPECT_EQ(gif.Shown.at(0), Picture(start.Board, track, 3, true));
    EXPECT_EQ(gif.Shown.at(10), Picture(Board, track, 3, true));
}

TEST_F(TPictureFilesTest, RecordingThatRunsOutOfRoomKeepsAWholeFile)
{
    Soup(200, 100, 5);
    TRecordOptions options;
    options.Area = TRecordArea::Universe;
    TRecorder recorder(Board, Colors, File("full.gif"), options, {}, 100);
    recorder.Writer().MaxBytes = 40000;
    ASSERT_TRUE(recorder.Start());
    while (recorder.Generation()) Board.Step(false);
    EXPECT_LT(recorder.Frames(), 300);
    EXPECT_GT(recorder.Frames(), 1);
    EXPECT_NE(recorder.Error().find(File("full.gif")), std::string::npos);
    ASSERT_TRUE(recorder.Finish());
    ExpectOnly({"full.gif"});
    EXPECT_EQ(ReadGif(File("full.gif"), {}).Frames, recorder.Frames());

    // A file that cannot be written says which as it starts, and leaves nothing.
    TRecorder lost(Board, Colors, File("missing/lost.gif"), options, {}, 100);
    EXPECT_FALSE(lost.Start());
    EXPECT_NE(lost.Error().find(File("missing/lost.gif")), std::string::npos);
    EXPECT_FALSE(lost.Finish());
    EXPECT_NE(lost.Error().find(File("missing/lost.gif")), std::string::npos);
    ExpectOnly({"full.gif"});
}

TEST(RecordOptions, ValuesAreClampedAndTheDelayFollowsTheSpeed)
{
    TRecordOptions options;
    options.CellSize = 40;
    options.Every = 0;
    options.MaxFrames = 1 << 30;
    options.Area = TRecordArea(7);
    options.Clamp();
    EXPECT_EQ(options.CellSize, kMaxPictureCellSize);
    EXPECT_EQ(options.Every, 1);
    EXPECT_EQ(options.MaxFrames, kMaxRecordFrames);
    EXPECT_EQ(options.Area, TRecordArea::LiveCells);
    options.CellSize = -3;
    options.Every = 5;
    options.Clamp();
    EXPECT_EQ(options.CellSize, 1);
    EXPECT_EQ(options.FrameDelayMs(100), 500);
    EXPECT_EQ(options.FrameDelayMs(0), 20);
    options.DelayMs = 70;
    EXPECT_EQ(options.FrameDelayMs(100), 70);
}
