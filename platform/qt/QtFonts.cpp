#include "platform/qt/QtFonts.h"

#include "platform/core/Exceptions.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>

namespace vx::qt {

namespace {

constexpr int MaxPixelSize = 4096;

struct TFaceAlias {
  const char* Name;
  const char* Face; // nullptr: the default face
};

// Names the library and the demos use, and the common faces of the toolkit's platform,
// mapped to the metric-compatible fonts the set-up installs.
constexpr TFaceAlias FaceAliases[] = {
    {"", nullptr},
    {"default", nullptr},
    {"ms sans serif", nullptr},
    {"ms shell dlg", nullptr},
    {"ms shell dlg 2", nullptr},
    {"system", nullptr},
    {"tahoma", nullptr},
    {"arial", "Liberation Sans"},
    {"helvetica", "Liberation Sans"},
    {"times new roman", "Liberation Serif"},
    {"ms serif", "Liberation Serif"},
    {"courier new", "Liberation Mono"},
    {"courier", "Liberation Mono"},
};

QString Lower(const std::string& S) {
  return QString::fromUtf8(S).trimmed().toLower();
}

// Cell height (ascent + descent) per pixel of em size, per family: the toolkit's positive
// font height is the cell height, Qt's pixel size the em size.
double CellRatio(const QString& Family) {
  static std::map<QString, double> Cache;
  auto It = Cache.find(Family);
  if (It != Cache.end()) return It->second;
  QFont F(Family);
  F.setPixelSize(1000);
  const QFontMetricsF M(F);
  double Ratio = (M.ascent() + M.descent()) / 1000.0;
  if (!(Ratio > 0.5 && Ratio < 3.0)) Ratio = 1.0;
  Cache.emplace(Family, Ratio);
  return Ratio;
}

} // namespace

void RequireGuiApplication(const char* What) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
    throw EInvalidOperation(std::string(What) +
                            " needs a QGuiApplication (create one before drawing text)");
}

QString ResolveFontFace(const std::string& Name) {
  const QString Key = Lower(Name);
  for (const TFaceAlias& A : FaceAliases)
    if (Key == QLatin1String(A.Name)) {
      const QString Face = QString::fromLatin1(A.Face ? A.Face : DefaultFontFace);
      // An alias whose target is missing falls back like any unknown name.
      if (A.Face && !QFontDatabase::hasFamily(Face)) return QString::fromLatin1(DefaultFontFace);
      return Face;
    }
  const QString Family = QString::fromUtf8(Name).trimmed();
  if (QFontDatabase::hasFamily(Family)) return Family;
  return QString::fromLatin1(DefaultFontFace);
}

QFont ToQFont(const TFont& F) {
  RequireGuiApplication("Text drawing");
  const QString Family = ResolveFontFace(F.Name());
  QFont Q(Family);
  const std::int64_t H = F.Height();
  std::int64_t Pixels;
  if (H < 0)
    Pixels = -H;
  else if (H == 0)
    Pixels = -TFont().Height();
  else
    Pixels = std::llround(std::min<double>(double(H), MaxPixelSize * 4.0) / CellRatio(Family));
  Q.setPixelSize(static_cast<int>(std::clamp<std::int64_t>(Pixels, 1, MaxPixelSize)));
  const TFontStyles S = F.Style();
  Q.setBold(S.Contains(fsBold));
  Q.setItalic(S.Contains(fsItalic));
  Q.setUnderline(S.Contains(fsUnderline));
  Q.setStrikeOut(S.Contains(fsStrikeOut));
  if (F.Pitch() == fpFixed) {
    Q.setFixedPitch(true);
    Q.setStyleHint(QFont::Monospace);
  }
  Q.setKerning(false);
  // Full hinting rounds every advance to whole pixels, as the toolkit's platform does.
  Q.setHintingPreference(QFont::PreferFullHinting);
  return Q;
}

bool IsScalableFace(const std::string& Name) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return true;
  return QFontDatabase::isSmoothlyScalable(ResolveFontFace(Name));
}

} // namespace vx::qt
