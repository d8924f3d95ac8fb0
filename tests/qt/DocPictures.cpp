#include "tests/qt/DocPictures.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace vx::qt::test {

bool WriteDocs() {
  const char* V = std::getenv("VX_WRITE_DOCS");
  return V && std::strcmp(V, "1") == 0;
}

void SaveDocPicture(const QImage& Image, const std::string& Name) {
  // The test data folder is tests/data in the source tree; docs/ is two levels up.
  const std::filesystem::path Docs =
      (std::filesystem::path(VX_TEST_DATA_DIR) / ".." / ".." / "docs").lexically_normal();
  std::error_code Error;
  std::filesystem::create_directories(Docs, Error);
  const std::string Path = (Docs / Name).string();
  ASSERT_TRUE(Image.save(QString::fromStdString(Path), "PNG")) << "cannot write " << Path;
  std::printf("wrote %s\n", Path.c_str());
}

void CaptionFont(TCanvas& Canvas) {
  Canvas.Font().SetName("DejaVu Sans");
  Canvas.Font().SetHeight(-12);
  Canvas.Font().SetColor(clBlack);
  Canvas.Font().SetStyle({});
  Canvas.Brush().SetStyle(bsClear);
}

void Caption(TCanvas& Canvas, int Left, int Right, int Top, const std::string& Text) {
  const int W = Canvas.TextWidth(Text);
  Canvas.TextOut(Left + (Right - Left - W) / 2, Top, Text);
}

} // namespace vx::qt::test
