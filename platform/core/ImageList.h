#pragma once
// Image lists: a row of equally sized bitmaps drawn by index (marker images of point,
// shape, bar and nestogram charts).
//
// TCustomImageList is a TPersistent for now; it becomes a TComponent (so that charts can
// hold it by free notification) once the component model is in place.

#include "platform/core/Graphic.h"

#include <memory>
#include <vector>

namespace vx {

class TCustomImageList : public TPersistent {
  VX_CLASS_NAME(TCustomImageList)
public:
  /// An empty list of 16 x 16 images.
  TCustomImageList();
  TCustomImageList(int Width, int Height);
  ~TCustomImageList() override;

  int Count() const { return static_cast<int>(FImages.size()); }
  /// Image width in pixels (at least 1). Changing it removes every image, as the toolkit
  /// does, and fires OnChange.
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  /// Image height in pixels (at least 1); changing it removes every image.
  int Height() const { return FHeight; }
  void SetHeight(int Value);

  /// Adds the bitmap and returns the index of its first image: a bitmap k times as wide as
  /// the list (k > 1) with the list's height adds k images cut from left to right; any
  /// other bitmap adds one image, cropped or padded with transparent pixels to Width x
  /// Height from its top-left. Transparent and TransparentColor are kept. An empty bitmap
  /// adds nothing and returns -1. Fires OnChange.
  int Add(const TBitmap& Image);
  /// Removes the image at Index; raises EListError for a bad index.
  void Delete(int Index);
  void Clear();

  /// Draws image Index with its top-left at (X, Y) through Canvas.Draw; disabled images
  /// are drawn in light grey tones. A bad index draws nothing.
  void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;
  /// Copies image Index into Dest. A bad index leaves Dest unchanged without an error, as
  /// the toolkit does.
  void GetBitmap(int Index, TBitmap& Dest) const;

  /// Copies size and images of another image list (one OnChange).
  void Assign(const TPersistent* Source) override;

  const TNotifyEvent& OnChange() const { return FOnChange; }
  void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }

protected:
  virtual void Changed();

private:
  void AddSlice(const TBitmap& Image, int Left);
  int FWidth = 16;
  int FHeight = 16;
  std::vector<std::unique_ptr<TBitmap>> FImages;
  TNotifyEvent FOnChange;
};

/// The image list that forms and charts refer to.
class TImageList : public TCustomImageList {
  VX_CLASS_NAME(TImageList)
public:
  using TCustomImageList::TCustomImageList;
};

} // namespace vx
