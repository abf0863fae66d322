#pragma once
// The pictures plexa-cli makes: an animated GIF of the run (--gif) and a PNG of the final
// board (--png), in the palette in force.

#include "view/u_Recorder.h"

#include <optional>

struct TCliOptions;
struct TGlobals;

// Records the run when --gif asks for it, and nothing otherwise.
class TCliRecording {
public:
    // Takes the first frame, of the board as it is.
    TCliRecording(const TGlobals& globals, const TCliOptions& options);
    // After each generation.
    void Generation();
    // Writes the file; false after reporting on standard error why the recording is not whole.
    bool Finish();

private:
    std::optional<TRecorder> FRecorder;
    bool FStopped = false; // a frame could not be added
};

// Writes --png's picture; false after reporting a failure on standard error.
bool WriteFinalPicture(const TGlobals& globals, const TCliOptions& options);
