#include "platform/MciSoundPlayer.h"

#include <array>

#include "base/Error.h"
#include "shellkit/WideText.h"

namespace zorvat {
namespace {

std::string MciErrorText(MCIERROR error) {
  std::array<wchar_t, MAXERRORLENGTH> text{};
  if (!mciGetErrorStringW(error, text.data(), static_cast<UINT>(text.size()))) {
    return "MCI error " + std::to_string(error);
  }
  return Narrow(text.data());
}

void ThrowOnError(MCIERROR error) {
  if (error != 0) {
    throw Error(MciErrorText(error));
  }
}

}  // namespace

void MciSoundPlayer::Open(const std::string& path) {
  Close();
  const std::wstring element = Widen(path);
  MCI_OPEN_PARMSW request{};
  request.lpstrElementName = element.c_str();
  // Without a device type the system picks the device by the file's extension.
  ThrowOnError(mciSendCommandW(0, MCI_OPEN, MCI_OPEN_ELEMENT | MCI_WAIT,
                               reinterpret_cast<DWORD_PTR>(&request)));
  device_ = MciDevice(request.wDeviceID);
  MCI_SET_PARMS format{};
  format.dwTimeFormat = MCI_FORMAT_MILLISECONDS;
  // A device without a millisecond format keeps its own unit.
  mciSendCommandW(device_.get(), MCI_SET, MCI_SET_TIME_FORMAT | MCI_WAIT,
                  reinterpret_cast<DWORD_PTR>(&format));
}

void MciSoundPlayer::PlayFromStart() {
  if (!device_) {
    return;
  }
  MCI_PLAY_PARMS from{};
  from.dwFrom = 0;
  ThrowOnError(
      mciSendCommandW(device_.get(), MCI_PLAY, MCI_FROM, reinterpret_cast<DWORD_PTR>(&from)));
}

std::int64_t MciSoundPlayer::Position() {
  return Status(MCI_STATUS_POSITION);
}

std::int64_t MciSoundPlayer::Length() {
  return Status(MCI_STATUS_LENGTH);
}

std::int64_t MciSoundPlayer::Status(DWORD item) {
  if (!device_) {
    return 0;
  }
  MCI_STATUS_PARMS status{};
  status.dwItem = item;
  ThrowOnError(mciSendCommandW(device_.get(), MCI_STATUS, MCI_STATUS_ITEM | MCI_WAIT,
                               reinterpret_cast<DWORD_PTR>(&status)));
  return static_cast<std::int64_t>(status.dwReturn);
}

}  // namespace zorvat
