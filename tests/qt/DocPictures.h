#pragma once
// Pictures of the decorations for the documentation: rendered by the tests, and written to
// docs/ when VX_WRITE_DOCS=1 is set in the environment.

#include "platform/core/Canvas.h"

#include <QImage>

#include <string>

namespace vx::qt::test {

/// Whether the pictures are to be written (VX_WRITE_DOCS=1).
bool WriteDocs();
/// Saves Image as docs/<Name> in the source tree; fails the test when it cannot.
void SaveDocPicture(const QImage& Image, const std::string& Name);
/// Sets the canvas font used for the captions of the pictures (a pinned face).
void CaptionFont(TCanvas& Canvas);
/// A caption centred over the cell [Left, Right) with its top at Top.
void Caption(TCanvas& Canvas, int Left, int Right, int Top, const std::string& Text);

} // namespace vx::qt::test
