// libFuzzer target for the description reader: any input must be either refused with
// EReadError or read into a tree that writes the same text after another round trip.
// Any other exception, a crash or a sanitizer report is a finding.

#include "tests/platform/StreamTestClasses.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  vx::streamtest::CheckDescription(std::string_view(reinterpret_cast<const char*>(Data), Size));
  return 0;
}
