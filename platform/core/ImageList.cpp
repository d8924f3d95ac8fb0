#include "platform/core/ImageList.h"

#include "platform/core/Exceptions.h"

#include <algorithm>

namespace vx {

TCustomImageList::TCustomImageList() = default;

TCustomImageList::TCustomImageList(int Width, int Height)
    : FWidth(std::max(Width, 1)), FHeight(std::max(Height, 1)) {}

TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::SetWidth(int Value) {
  Value = std::max(Value, 1);
  if (Value == FWidth) return;
  FWidth = Value;
  FImages.clear();
  Changed();
}

void TCustomImageList::SetHeight(int Value) {
  Value = std::max(Value, 1);
  if (Value == FHeight) return;
  FHeight = Value;
  FImages.clear();
  Changed();
}

void TCustomImageList::AddSlice(const TBitmap& Image, int Left) {
  auto Slice = std::make_unique<TBitmap>(FWidth, FHeight);
  const int W = std::min(FWidth, Image.Width() - Left);
  const int H = std::min(FHeight, Image.Height());
  for (int Y = 0; Y < FHeight; ++Y) {
    std::uint32_t* Row = Slice->ScanLine(Y);
    std::fill(Row, Row + FWidth, 0u); // transparent where the image does not reach
    if (Y < H) std::copy_n(Image.ScanLine(Y) + Left, W, Row);
  }
  Slice->SetTransparentColor(Image.TransparentColor());
  Slice->SetTransparent(Image.Transparent());
  FImages.push_back(std::move(Slice));
}

int TCustomImageList::Add(const TBitmap& Image) {
  if (Image.Empty()) return -1;
  const int First = Count();
  const bool Strip =
      Image.Height() == FHeight && Image.Width() > FWidth && Image.Width() % FWidth == 0;
  if (Strip)
    for (int Left = 0; Left < Image.Width(); Left += FWidth)
      AddSlice(Image, Left);
  else
    AddSlice(Image, 0);
  Changed();
  return First;
}

void TCustomImageList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw EListError::Index(Index);
  FImages.erase(FImages.begin() + Index);
  Changed();
}

void TCustomImageList::Clear() {
  if (FImages.empty()) return;
  FImages.clear();
  Changed();
}

void TCustomImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const {
  if (Index < 0 || Index >= Count()) return;
  const TBitmap& Image = *FImages[static_cast<std::size_t>(Index)];
  if (Enabled) {
    Canvas.Draw(X, Y, &Image);
    return;
  }
  // Disabled: the grey value of each pixel mapped into the light half of the scale, so
  // the image reads as inactive on a button-face background.
  TBitmap Grey;
  Grey.Assign(&Image);
  for (int Row = 0; Row < Grey.Height(); ++Row) {
    std::uint32_t* P = Grey.ScanLine(Row);
    for (int Col = 0; Col < Grey.Width(); ++Col) {
      const std::uint32_t C = P[Col];
      const std::uint32_t Luma =
          (((C >> 16) & 0xFF) * 30 + ((C >> 8) & 0xFF) * 59 + (C & 0xFF) * 11) / 100;
      const std::uint32_t V = 128 + Luma / 2;
      P[Col] = (C & 0xFF000000u) | (V << 16) | (V << 8) | V;
    }
  }
  Canvas.Draw(X, Y, &Grey);
}

void TCustomImageList::GetBitmap(int Index, TBitmap& Dest) const {
  if (Index >= 0 && Index < Count()) Dest.Assign(FImages[static_cast<std::size_t>(Index)].get());
}

void TCustomImageList::Assign(const TPersistent* Source) {
  if (const auto* L = dynamic_cast<const TCustomImageList*>(Source)) {
    if (L == this) return;
    std::vector<std::unique_ptr<TBitmap>> Images;
    for (const auto& Image : L->FImages) {
      auto Copy = std::make_unique<TBitmap>();
      Copy->Assign(Image.get());
      Images.push_back(std::move(Copy));
    }
    FWidth = L->FWidth;
    FHeight = L->FHeight;
    FImages = std::move(Images);
    Changed();
    return;
  }
  TPersistent::Assign(Source);
}

void TCustomImageList::Changed() {
  if (FOnChange) FOnChange(this);
}

} // namespace vx
