#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

namespace zorvat::shellkit {

// ChangeDisplaySettingsW, replaceable so that tests see the request without changing the display.
using ChangeDisplaySettingsCall = std::function<LONG(DEVMODEW& mode, DWORD flags)>;
ChangeDisplaySettingsCall SystemChangeDisplaySettings();

// Width 640, 800, 1024, 1152, 1280 or 1600 (the height follows), depth 4, 8, 16, 24 or 32 bits
// per pixel; an unknown width or depth is asked for as 0. Mode 1 changes for this session, 2
// changes and stores, 3 only tests, 4 goes back to the stored mode. Returns 0 on success, 1 when
// a restart is needed, 2 when it could not be stored, 3 when refused, -1 for an unknown mode or
// answer.
std::int32_t SetDisplayMode(
    int width, std::uint8_t depth, std::uint8_t mode,
    const ChangeDisplaySettingsCall& change = SystemChangeDisplaySettings());

}  // namespace zorvat::shellkit
