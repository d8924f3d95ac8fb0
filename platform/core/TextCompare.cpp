#include "platform/core/TextCompare.h"

#include <algorithm>

namespace vx {

namespace {
unsigned char Lower(char C) {
  const auto U = static_cast<unsigned char>(C);
  return (U >= 'A' && U <= 'Z') ? static_cast<unsigned char>(U - 'A' + 'a') : U;
}
} // namespace

int CompareText(std::string_view A, std::string_view B) {
  const std::size_t N = std::min(A.size(), B.size());
  for (std::size_t I = 0; I < N; ++I) {
    const unsigned char CA = Lower(A[I]);
    const unsigned char CB = Lower(B[I]);
    if (CA != CB) return CA < CB ? -1 : 1;
  }
  return A.size() == B.size() ? 0 : (A.size() < B.size() ? -1 : 1);
}

bool SameText(std::string_view A, std::string_view B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(),
                                            [](char X, char Y) { return Lower(X) == Lower(Y); });
}

} // namespace vx
