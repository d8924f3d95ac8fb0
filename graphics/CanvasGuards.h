#pragma once
// Scoped guards for the canvas settings that drawing routines change for a moment.

#include "platform/core/Canvas.h"

namespace vx {

/// Remembers the brush colour and restores it when it leaves scope, also when an exception
/// passes.
class TBrushColorKeeper {
public:
  explicit TBrushColorKeeper(TCanvas& Canvas) : FCanvas(Canvas), FColor(Canvas.Brush().Color()) {}
  ~TBrushColorKeeper() { FCanvas.Brush().SetColor(FColor); }
  TBrushColorKeeper(const TBrushColorKeeper&) = delete;
  TBrushColorKeeper& operator=(const TBrushColorKeeper&) = delete;

private:
  TCanvas& FCanvas;
  TColor FColor;
};

/// Remembers the brush style and restores it when it leaves scope, also when an exception
/// passes.
class TBrushStyleKeeper {
public:
  explicit TBrushStyleKeeper(TCanvas& Canvas) : FCanvas(Canvas), FStyle(Canvas.Brush().Style()) {}
  ~TBrushStyleKeeper() { FCanvas.Brush().SetStyle(FStyle); }
  TBrushStyleKeeper(const TBrushStyleKeeper&) = delete;
  TBrushStyleKeeper& operator=(const TBrushStyleKeeper&) = delete;

private:
  TCanvas& FCanvas;
  TBrushStyle FStyle;
};

} // namespace vx
