#include <windows.h>

#include <mmsystem.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/Error.h"
#include "platform/MciSoundPlayer.h"
#include "shellkit/WideText.h"
#include "support/TempFolder.h"
#include "win/WinTestSupport.h"

namespace zorvat {
namespace {

using zorvat::testing::TempFolder;
using zorvat::testing::WriteBytes;

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out += static_cast<char>((value >> (8 * i)) & 0xFF);
  }
}

// Silence as 8-bit mono PCM at 8000 samples per second.
std::string PcmWave(std::uint32_t milliseconds) {
  const std::uint32_t samples = 8 * milliseconds;
  std::string wave = "RIFF";
  PutLittleEndian(wave, 36 + samples, 4);
  wave += "WAVEfmt ";
  PutLittleEndian(wave, 16, 4);
  PutLittleEndian(wave, 1, 2);     // PCM
  PutLittleEndian(wave, 1, 2);     // mono
  PutLittleEndian(wave, 8000, 4);  // samples per second
  PutLittleEndian(wave, 8000, 4);  // bytes per second
  PutLittleEndian(wave, 1, 2);     // block align
  PutLittleEndian(wave, 8, 2);     // bits per sample
  wave += "data";
  PutLittleEndian(wave, samples, 4);
  wave.append(samples, '\x80');
  return wave;
}

std::string SystemText(MCIERROR error) {
  wchar_t text[MAXERRORLENGTH] = L"";
  mciGetErrorStringW(error, text, MAXERRORLENGTH);
  return Narrow(text);
}

// Devices this process has open, counted by the system.
DWORD OpenDevices() {
  DWORD count = 0;
  MCI_SYSINFO_PARMSW request{};
  request.lpstrReturn = reinterpret_cast<LPWSTR>(&count);
  request.dwRetSize = sizeof(count);
  mciSendCommandW(MCI_ALL_DEVICE_ID, MCI_SYSINFO, MCI_SYSINFO_QUANTITY | MCI_SYSINFO_OPEN,
                  reinterpret_cast<DWORD_PTR>(&request));
  return count;
}

class MciSoundPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    shortWave = temp.File("short \xc3\xa4.wav");
    longWave = temp.File("long.wav");
    WriteBytes(shortWave, PcmWave(250));
    WriteBytes(longWave, PcmWave(1500));
  }
  // Opens a sound, or skips when this system has no device that plays waves.
  void OpenOrSkip(MciSoundPlayer& player, const std::string& path) {
    try {
      player.Open(path);
    } catch (const Error& e) {
      GTEST_SKIP() << "no wave device here: " << e.what();
    }
  }

  TempFolder temp;
  std::string shortWave;
  std::string longWave;
};

TEST_F(MciSoundPlayerTest, OpenTellsTheLengthInMillisecondsPlayAndCloseEndsIt) {
  MciSoundPlayer player;
  EXPECT_FALSE(player.IsOpen());
  EXPECT_EQ(player.Length(), 0);
  OpenOrSkip(player, shortWave);
  ASSERT_TRUE(player.IsOpen());
  EXPECT_EQ(player.Length(), 250);
  EXPECT_EQ(player.Position(), 0);
  EXPECT_EQ(OpenDevices(), 1u);
  player.PlayFromStart();
  EXPECT_GE(player.Position(), 0);
  EXPECT_LE(player.Position(), 250);

  player.Close();
  EXPECT_FALSE(player.IsOpen());
  EXPECT_EQ(player.Length(), 0);
  EXPECT_EQ(player.Position(), 0);
  EXPECT_EQ(OpenDevices(), 0u);
}

TEST_F(MciSoundPlayerTest, OpeningAnotherFileClosesTheFirst) {
  {
    MciSoundPlayer player;
    OpenOrSkip(player, shortWave);
    player.Open(longWave);
    EXPECT_EQ(player.Length(), 1500);
    EXPECT_EQ(OpenDevices(), 1u);
  }
  EXPECT_EQ(OpenDevices(), 0u);
}

TEST_F(MciSoundPlayerTest, MissingFileThrowsTheDevicesTextAndLeavesNothingOpen) {
  MciSoundPlayer player;
  OpenOrSkip(player, shortWave);
  try {
    player.Open(temp.File("missing.wav"));
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(std::string(e.what()), SystemText(MCIERR_FILE_NOT_FOUND));
  }
  EXPECT_FALSE(player.IsOpen());
  EXPECT_EQ(OpenDevices(), 0u);
  EXPECT_NO_THROW(player.PlayFromStart());
}

TEST_F(MciSoundPlayerTest, FileOfNoKnownKindThrowsTheSystemsText) {
  const std::string odd = temp.File("sound.zqx");
  WriteBytes(odd, "not a sound");
  MciSoundPlayer player;
  try {
    player.Open(odd);
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_FALSE(std::string(e.what()).empty());
    EXPECT_EQ(std::string(e.what()).rfind("MCI error", 0), std::string::npos) << e.what();
  }
  EXPECT_FALSE(player.IsOpen());
}

}  // namespace
}  // namespace zorvat
