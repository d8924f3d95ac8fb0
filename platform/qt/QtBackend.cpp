#include "platform/qt/QtBackend.h"

#include "platform/core/Exceptions.h"
#include "platform/qt/QtCanvas.h"
#include "platform/qt/QtControlHost.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include <cstring>
#include <mutex>

namespace vx::qt {

namespace {

std::unique_ptr<TGraphic> ReadImage(const std::vector<std::uint8_t>& Data, const char* Format) {
  QByteArray Bytes(reinterpret_cast<const char*>(Data.data()), qsizetype(Data.size()));
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::ReadOnly);
  QImageReader Reader(&Buffer, Format);
  QImage Image = Reader.read();
  if (Image.isNull())
    throw Exception("the data is not a valid " + std::string(Format) + " image (" +
                    Reader.errorString().toStdString() + ")");
  return ToBitmap(Image);
}

std::vector<std::uint8_t> WriteImage(const TGraphic& Graphic, const char* Format) {
  const auto* Bitmap = dynamic_cast<const TBitmap*>(&Graphic);
  if (!Bitmap) throw Exception(std::string("only bitmaps can be written as ") + Format);
  if (Bitmap->Empty()) throw Exception("an empty bitmap cannot be written");
  QImage Image = ToQImage(*Bitmap);
  // BMP keeps an alpha channel only when one is needed; readers of 24-bit files abound.
  if (std::strcmp(Format, "BMP") == 0 && !Image.hasAlphaChannel())
    Image = Image.convertToFormat(QImage::Format_RGB32);
  else if (std::strcmp(Format, "BMP") == 0) {
    bool Opaque = true;
    for (int Y = 0; Y < Image.height() && Opaque; ++Y) {
      const auto* Row = reinterpret_cast<const std::uint32_t*>(Image.constScanLine(Y));
      for (int X = 0; X < Image.width(); ++X)
        if ((Row[X] >> 24) != 0xFF) {
          Opaque = false;
          break;
        }
    }
    if (Opaque) Image = Image.convertToFormat(QImage::Format_RGB32);
  }
  QByteArray Bytes;
  QBuffer Buffer(&Bytes);
  Buffer.open(QIODevice::WriteOnly);
  QImageWriter Writer(&Buffer, Format);
  if (!Writer.write(Image))
    throw Exception("the image cannot be encoded as " + std::string(Format) + " (" +
                    Writer.errorString().toStdString() + ")");
  return {Bytes.begin(), Bytes.end()};
}

} // namespace

void RegisterQtBackend() {
  static std::once_flag Once;
  std::call_once(Once, [] {
    TBitmap::SetCanvasFactory([](TBitmap& Bitmap) -> std::unique_ptr<TCanvas> {
      return std::make_unique<TQtCanvas>(Bitmap);
    });
    RegisterGraphicCodec({"bmp", [](const auto& Data) { return ReadImage(Data, "BMP"); },
                          [](const TGraphic& G) { return WriteImage(G, "BMP"); }});
    RegisterGraphicCodec({"png", [](const auto& Data) { return ReadImage(Data, "PNG"); },
                          [](const TGraphic& G) { return WriteImage(G, "PNG"); }});
    InstallScreenCursor();
  });
}

QImage ToQImage(const TBitmap& Bitmap) {
  if (Bitmap.Empty()) return {};
  QImage Image(Bitmap.Width(), Bitmap.Height(), QImage::Format_ARGB32);
  for (int Y = 0; Y < Bitmap.Height(); ++Y)
    std::memcpy(Image.scanLine(Y), Bitmap.ScanLine(Y), std::size_t(Bitmap.Width()) * 4);
  return Image;
}

void AssignQImage(TBitmap& Bitmap, const QImage& Image) {
  const QImage Source = Image.convertToFormat(QImage::Format_ARGB32);
  Bitmap.SetSize(Source.width(), Source.height());
  for (int Y = 0; Y < Source.height(); ++Y)
    std::memcpy(Bitmap.ScanLine(Y), Source.constScanLine(Y), std::size_t(Source.width()) * 4);
}

std::unique_ptr<TBitmap> ToBitmap(const QImage& Image) {
  auto Bitmap = std::make_unique<TBitmap>();
  AssignQImage(*Bitmap, Image);
  return Bitmap;
}

} // namespace vx::qt
