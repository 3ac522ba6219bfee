#include "shellkit/DisplayMode.h"

#include <array>
#include <utility>

namespace zorvat::shellkit {
namespace {

// Every mode this service can ask for; the display task recognises only the dialog's five widths
// and four depths among them (scheduler/TaskActions.cpp).
constexpr std::array<std::pair<int, int>, 6> kHeightOfWidth{
    {{640, 480}, {800, 600}, {1024, 768}, {1152, 864}, {1280, 1024}, {1600, 1200}}};
constexpr std::array<std::uint8_t, 5> kDepths{4, 8, 16, 24, 32};

DEVMODEW RequestedMode(int width, std::uint8_t depth) {
  DEVMODEW request{};
  request.dmSize = sizeof(request);
  request.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFLAGS;
  for (const auto& [knownWidth, height] : kHeightOfWidth) {
    if (width == knownWidth) {
      request.dmPelsWidth = static_cast<DWORD>(knownWidth);
      request.dmPelsHeight = static_cast<DWORD>(height);
    }
  }
  for (const std::uint8_t known : kDepths) {
    if (depth == known) {
      request.dmBitsPerPel = known;
    }
  }
  return request;
}

std::int32_t Translate(LONG answer) {
  switch (answer) {
    case DISP_CHANGE_SUCCESSFUL:
      return 0;
    case DISP_CHANGE_RESTART:
      return 1;
    case DISP_CHANGE_NOTUPDATED:
      return 2;
    case DISP_CHANGE_BADFLAGS:
    case DISP_CHANGE_FAILED:
    case DISP_CHANGE_BADMODE:
      return 3;
    default:
      return -1;
  }
}

}  // namespace

ChangeDisplaySettingsCall SystemChangeDisplaySettings() {
  return [](DEVMODEW& mode, DWORD flags) { return ChangeDisplaySettingsW(&mode, flags); };
}

std::int32_t SetDisplayMode(int width, std::uint8_t depth, std::uint8_t mode,
                            const ChangeDisplaySettingsCall& change) {
  DEVMODEW request = RequestedMode(width, depth);
  switch (mode) {
    case 1:
      return Translate(change(request, 0));
    case 2:
      return Translate(change(request, CDS_UPDATEREGISTRY));
    case 3:
      return Translate(change(request, CDS_TEST));
    case 4:
      // Zeros with the same field mask: back to what the registry holds.
      request.dmPelsWidth = request.dmPelsHeight = request.dmBitsPerPel = 0;
      return Translate(change(request, CDS_UPDATEREGISTRY));
    default:
      return -1;
  }
}

}  // namespace zorvat::shellkit
