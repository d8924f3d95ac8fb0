#pragma once
// The sample page: every canvas operation in a labelled cell, drawn on any canvas.

#include "platform/core/Canvas.h"

namespace sample {

/// The page's size in pixels.
constexpr int PageWidth = 960;
constexpr int PageHeight = 740;

/// Draws the whole page with its top-left at (0, 0).
void DrawSamplePage(vx::TCanvas& Canvas);

} // namespace sample
