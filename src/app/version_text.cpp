#include "app/version_text.h"

namespace tarnix {

namespace {

std::string TwoDigits(uint32_t number) {
  return (number < 10 ? "0" : "") + std::to_string(number);
}

}  // namespace

std::string VersionLine(const PlatformVersionInfo& version) {
  std::string line;
  uint32_t build = version.build;
  switch (version.platformId) {
    case 0:
      line = "Win32s";
      build &= 0xFFFFu;
      break;
    case 1:
      // 95/98 pack the version into the build number's two high bytes.
      line = std::string("Windows ") + (version.minor < 10 ? "95 " : "98 ") +
             std::to_string(build >> 24) + "." + TwoDigits((build >> 16) & 0xFFu);
      build &= 0xFFFFu;
      break;
    default:
      line = "Win NT  " + std::to_string(version.major) + "." + std::to_string(version.minor);
      break;
  }
  return line + " " + version.servicePack + " Build:" + std::to_string(build);
}

}  // namespace tarnix
