#pragma once
// Export of any drawing to PNG, SVG and PDF files: the drawing function gets a canvas of
// Width x Height pixels on a white page (PNG) or a vector page of that size (SVG, PDF, at
// 96 pixels per inch).

#include "platform/core/Canvas.h"

#include <functional>
#include <string>

namespace vx::qt {

using TDrawFunction = std::function<void(TCanvas& Canvas)>;

/// Writes the drawing as a PNG file. Width and Height must be 1..30000; a failure to write
/// raises Exception naming the file and the reason (nothing is written then). An exception
/// from Draw passes through and leaves no file behind.
void ExportPng(const std::string& Path, int Width, int Height, const TDrawFunction& Draw,
               bool Antialiasing = false);
/// The same as an SVG file.
void ExportSvg(const std::string& Path, int Width, int Height, const TDrawFunction& Draw,
               bool Antialiasing = true);
/// The same as a one-page PDF file whose page is the picture's size.
void ExportPdf(const std::string& Path, int Width, int Height, const TDrawFunction& Draw,
               bool Antialiasing = true);

} // namespace vx::qt
