#pragma once
// PNG pictures of indexed images, written through a temporary file and a rename, so a failed
// write leaves no half-written picture behind.

#include "view/u_BoardImage.h"

#include <string>

// Writes `image` with the colour table `colors`; false, with `error` set to a message naming
// the file, when it cannot be written.
bool WritePng(const std::string& path, const TIndexImage& image, const TImageColors& colors,
              std::string& error);
