#include "platform/qt/QtGeometry.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <numbers>

namespace vx::qt::detail {

TDRect Collapse(TDRect B) {
  if (B.Left > B.Right) B.Left = B.Right = (B.Left + B.Right) / 2;
  if (B.Top > B.Bottom) B.Top = B.Bottom = (B.Top + B.Bottom) / 2;
  return B;
}

TRect64 Intersect(const TRect64& A, const TRect64& B) {
  TRect64 R{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
            std::min(A.Bottom, B.Bottom)};
  if (R.Empty()) return {};
  return R;
}

bool ClipSegment(double& X0, double& Y0, double& X1, double& Y1, const TDRect& W, bool* Clipped0,
                 bool* Clipped1) {
  const double DX = X1 - X0;
  const double DY = Y1 - Y0;
  double T0 = 0;
  double T1 = 1;
  // One (p, q) pair per edge: the segment is inside where p * t <= q.
  const double P[4] = {-DX, DX, -DY, DY};
  const double Q[4] = {X0 - W.Left, W.Right - X0, Y0 - W.Top, W.Bottom - Y0};
  for (int I = 0; I < 4; ++I) {
    if (P[I] == 0) {
      if (Q[I] < 0) return false;
      continue;
    }
    const double T = Q[I] / P[I];
    if (P[I] < 0) {
      if (T > T1) return false;
      T0 = std::max(T0, T);
    } else {
      if (T < T0) return false;
      T1 = std::min(T1, T);
    }
  }
  const double NX0 = X0 + T0 * DX, NY0 = Y0 + T0 * DY;
  const double NX1 = X0 + T1 * DX, NY1 = Y0 + T1 * DY;
  if (Clipped0) *Clipped0 = T0 > 0;
  if (Clipped1) *Clipped1 = T1 < 1;
  X0 = T0 > 0 ? NX0 : X0;
  Y0 = T0 > 0 ? NY0 : Y0;
  X1 = T1 < 1 ? NX1 : X1;
  Y1 = T1 < 1 ? NY1 : Y1;
  return true;
}

std::vector<std::vector<QPointF>> ClipPolyline(std::span<const QPointF> Points, const TDRect& W) {
  std::vector<std::vector<QPointF>> Runs;
  std::vector<QPointF> Run;
  for (std::size_t I = 0; I + 1 < Points.size(); ++I) {
    double X0 = Points[I].x(), Y0 = Points[I].y();
    double X1 = Points[I + 1].x(), Y1 = Points[I + 1].y();
    bool C0 = false, C1 = false;
    if (!ClipSegment(X0, Y0, X1, Y1, W, &C0, &C1)) {
      if (Run.size() >= 2) Runs.push_back(std::move(Run));
      Run.clear();
      continue;
    }
    if (Run.empty() || C0) {
      if (Run.size() >= 2) Runs.push_back(std::move(Run));
      Run.clear();
      Run.emplace_back(X0, Y0);
    }
    Run.emplace_back(X1, Y1);
    if (C1) {
      Runs.push_back(std::move(Run));
      Run.clear();
    }
  }
  if (Run.size() >= 2) Runs.push_back(std::move(Run));
  return Runs;
}

namespace {

// One Sutherland-Hodgman pass against the half plane Inside(p).
template <typename InsideFn, typename CrossFn>
std::vector<QPointF> ClipPass(const std::vector<QPointF>& In, InsideFn Inside, CrossFn Cross) {
  std::vector<QPointF> Out;
  if (In.empty()) return Out;
  Out.reserve(In.size() + 4);
  QPointF Prev = In.back();
  bool PrevIn = Inside(Prev);
  for (const QPointF& Cur : In) {
    const bool CurIn = Inside(Cur);
    if (CurIn != PrevIn) Out.push_back(Cross(Prev, Cur));
    if (CurIn) Out.push_back(Cur);
    Prev = Cur;
    PrevIn = CurIn;
  }
  return Out;
}

} // namespace

std::vector<QPointF> ClipPolygon(std::span<const QPointF> Points, const TDRect& W) {
  std::vector<QPointF> P(Points.begin(), Points.end());
  auto AtX = [](const QPointF& A, const QPointF& B, double X) {
    const double T = (X - A.x()) / (B.x() - A.x());
    return QPointF(X, A.y() + T * (B.y() - A.y()));
  };
  auto AtY = [](const QPointF& A, const QPointF& B, double Y) {
    const double T = (Y - A.y()) / (B.y() - A.y());
    return QPointF(A.x() + T * (B.x() - A.x()), Y);
  };
  P = ClipPass(
      P, [&](const QPointF& A) { return A.x() >= W.Left; },
      [&](const QPointF& A, const QPointF& B) { return AtX(A, B, W.Left); });
  P = ClipPass(
      P, [&](const QPointF& A) { return A.x() <= W.Right; },
      [&](const QPointF& A, const QPointF& B) { return AtX(A, B, W.Right); });
  P = ClipPass(
      P, [&](const QPointF& A) { return A.y() >= W.Top; },
      [&](const QPointF& A, const QPointF& B) { return AtY(A, B, W.Top); });
  P = ClipPass(
      P, [&](const QPointF& A) { return A.y() <= W.Bottom; },
      [&](const QPointF& A, const QPointF& B) { return AtY(A, B, W.Bottom); });
  return P;
}

void AppendArcPoints(std::vector<QPointF>& Out, double CX, double CY, double RX, double RY,
                     double Start, double Span) {
  // A chord over the angle step D deviates from the curve by about R * D^2 / 8; a quarter
  // pixel needs D <= sqrt(2 / R). The count is capped so that even a radius near 2^31
  // stays a few hundred thousand points.
  const double R = std::max({RX, RY, 1.0});
  const double Step = std::sqrt(2.0 / R);
  const double Radians = std::abs(Span) * std::numbers::pi / 180.0;
  const double Wanted = std::ceil(Radians / Step);
  const int Count = static_cast<int>(std::clamp(Wanted, 4.0, double(1 << 18)));
  Out.reserve(Out.size() + static_cast<std::size_t>(Count) + 1);
  const double A0 = Start * std::numbers::pi / 180.0;
  const double DA = Span * std::numbers::pi / 180.0 / Count;
  for (int I = 0; I <= Count; ++I) {
    const double A = A0 + DA * I;
    Out.emplace_back(CX + RX * std::cos(A), CY - RY * std::sin(A));
  }
}

double ParametricAngle(double CX, double CY, double RX, double RY, double X, double Y) {
  // The ray's direction scaled by the radii gives the parameter of the point where the
  // ray meets the ellipse; screen y grows downwards, angles grow counter-clockwise.
  const double DX = RX > 0 ? (X - CX) / RX : X - CX;
  const double DY = RY > 0 ? (CY - Y) / RY : CY - Y;
  if (DX == 0 && DY == 0) return 0;
  double A = std::atan2(DY, DX) * 180.0 / std::numbers::pi;
  if (A < 0) A += 360;
  return A;
}

int ClampToInt(double V) {
  if (!(V == V)) return 0;
  if (V <= double(INT_MIN)) return INT_MIN;
  if (V >= double(INT_MAX)) return INT_MAX;
  return static_cast<int>(V);
}

} // namespace vx::qt::detail
