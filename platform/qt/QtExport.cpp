#include "platform/qt/QtExport.h"

#include "platform/core/Exceptions.h"
#include "platform/qt/QtCanvas.h"

#include <QFile>
#include <QImageWriter>
#include <QPageSize>
#include <QPdfWriter>
#include <QSvgGenerator>

namespace vx::qt {

namespace {

std::string Prefix(const std::string& Path) {
  return "Cannot export to \"" + Path + "\": ";
}

void CheckSize(const std::string& Path, int Width, int Height) {
  if (Width < 1 || Height < 1 || Width > TQtCanvas::MaxDeviceExtent ||
      Height > TQtCanvas::MaxDeviceExtent)
    throw ERangeError(Prefix(Path) + "the size " + std::to_string(Width) + " x " +
                      std::to_string(Height) + " is outside 1 .. " +
                      std::to_string(TQtCanvas::MaxDeviceExtent) + " pixels");
}

// Opens the file for writing, so that a bad path is reported with the system's reason
// before anything is drawn.
void OpenForWriting(QFile& File, const std::string& Path) {
  File.setFileName(QString::fromStdString(Path));
  if (!File.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw Exception(Prefix(Path) + File.errorString().toStdString());
}

// Draws on a vector device; removes the file when drawing fails.
template <typename Device>
void DrawOnFile(QFile& File, Device& Target, const std::string& Path, const TDrawFunction& Draw,
                bool Antialiasing) {
  try {
    TQtCanvas Canvas(&Target);
    if (!Canvas.IsActive()) throw Exception(Prefix(Path) + "the page cannot be painted");
    Canvas.SetAntialiasing(Antialiasing);
    Draw(Canvas);
    Canvas.End();
  } catch (...) {
    File.close();
    File.remove();
    throw;
  }
  File.close();
  if (File.error() != QFileDevice::NoError)
    throw Exception(Prefix(Path) + File.errorString().toStdString());
}

} // namespace

void ExportPng(const std::string& Path, int Width, int Height, const TDrawFunction& Draw,
               bool Antialiasing) {
  CheckSize(Path, Width, Height);
  QImage Image(Width, Height, QImage::Format_ARGB32_Premultiplied);
  if (Image.isNull()) throw Exception(Prefix(Path) + "not enough memory for the picture");
  Image.fill(Qt::white);
  {
    TQtCanvas Canvas(&Image);
    Canvas.SetAntialiasing(Antialiasing);
    Draw(Canvas);
  }
  QImageWriter Writer(QString::fromStdString(Path), "png");
  if (!Writer.write(Image)) throw Exception(Prefix(Path) + Writer.errorString().toStdString());
}

void ExportSvg(const std::string& Path, int Width, int Height, const TDrawFunction& Draw,
               bool Antialiasing) {
  CheckSize(Path, Width, Height);
  QFile File;
  OpenForWriting(File, Path);
  QSvgGenerator Svg;
  Svg.setOutputDevice(&File);
  Svg.setSize(QSize(Width, Height));
  Svg.setViewBox(QRect(0, 0, Width, Height));
  Svg.setResolution(96);
  DrawOnFile(File, Svg, Path, Draw, Antialiasing);
}

void ExportPdf(const std::string& Path, int Width, int Height, const TDrawFunction& Draw,
               bool Antialiasing) {
  CheckSize(Path, Width, Height);
  QFile File;
  OpenForWriting(File, Path);
  QPdfWriter Pdf(&File);
  Pdf.setResolution(96);
  Pdf.setPageSize(QPageSize(QSizeF(Width * 72.0 / 96.0, Height * 72.0 / 96.0), QPageSize::Point,
                            QString(), QPageSize::ExactMatch));
  Pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
  DrawOnFile(File, Pdf, Path, Draw, Antialiasing);
}

} // namespace vx::qt
