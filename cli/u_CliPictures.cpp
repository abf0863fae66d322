#include "cli/u_CliPictures.h"

#include "cli/u_CliOptions.h"
#include "engine/u_Globals.h"
#include "io/u_PngWriter.h"

#include <iostream>

namespace {

// Frames of a recording follow each other this far apart.
constexpr int32_t kFrameDelayMs = 100;

} // namespace

TCliRecording::TCliRecording(const TGlobals& globals, const TCliOptions& options)
{
    if (options.GifFile.empty()) return;
    TRecordOptions record;
    record.Area = TRecordArea::LiveCells;
    record.CellSize = options.CellSize;
    record.Every = options.Every;
    record.MaxFrames = options.Frames;
    FRecorder.emplace(globals.Board, ImageColors(globals.Palette.Colors), options.GifFile, record,
                      TRect{}, kFrameDelayMs);
    FStopped = !FRecorder->Start() && !FRecorder->Error().empty();
}

void TCliRecording::Generation()
{
    if (FRecorder && !FRecorder->Over())
        FStopped = !FRecorder->Generation() && !FRecorder->Error().empty();
}

bool TCliRecording::Finish()
{
    if (!FRecorder) return true;
    std::string stopped = FStopped ? FRecorder->Error() : std::string();
    const bool written = FRecorder->Finish();
    if (!written) stopped = FRecorder->Error();
    if (!stopped.empty()) std::cerr << "plexa-cli: " << stopped << "\n";
    return stopped.empty();
}

bool WriteFinalPicture(const TGlobals& globals, const TCliOptions& options)
{
    if (options.PngFile.empty()) return true;
    TRecordOptions size;
    size.CellSize = options.CellSize;
    size.Clamp();
    TIndexImage image;
    std::string error;
    if (!PaintCellPicture(globals.Board, {LiveCellsFramed(globals.Board), size.CellSize, false},
                          image))
        error = "The picture " + options.PngFile + " is too big.";
    else if (WritePng(options.PngFile, image, ImageColors(globals.Palette.Colors), error))
        return true;
    std::cerr << "plexa-cli: " << error << "\n";
    return false;
}
