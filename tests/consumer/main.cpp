// Builds against the installed package only.
#include "platform/core/Exceptions.h"

#include <cstdio>

int main() {
  try {
    throw vx::EListError::Index(3);
  } catch (const vx::Exception& e) {
    std::printf("consumer ok: %s\n", e.what());
  }
  return 0;
}
