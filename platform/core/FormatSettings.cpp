#include "platform/core/FormatSettings.h"

namespace vx {

TFormatSettings& FormatSettings() {
  static TFormatSettings Settings;
  return Settings;
}

} // namespace vx
