#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "base/RegionalFormats.h"

namespace zorvat::sim {

struct SimOptions {
  bool help = false;  // --help: print the usage, nothing else
  bool dump = false;
  std::optional<std::string> settingsPath;
  RegionalFormats regional = RegionalFormats::EnUs();
  bool answerYes = true;
  bool active = true;
  std::uint32_t jitterMs = 0;
  std::int64_t fromMs = 0;  // UTC
  std::int64_t toMs = 0;    // UTC
  int fromYear = 0;         // places two-digit years in the list
  std::string listPath;
  struct Span {
    std::int64_t fromMs;  // UTC
    std::int64_t toMs;
  };
  std::optional<Span> asleep;  // --asleep FROM TO
  std::optional<Span> closed;  // --closed FROM TO, or --killed FROM TO
  bool killed = false;         // ended without a word: nothing written at the end
};

// A command line that makes no sense; the message says why.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr std::string_view kUsage =
    "usage: zorvat-sim [--settings FILE|FOLDER] [--regional en-US|de-DE] [--answer yes|no]\n"
    "                  [--inactive] [--jitter MS] [--asleep FROM TO]\n"
    "                  [--closed FROM TO | --killed FROM TO]\n"
    "                  --from \"YYYY-MM-DD HH:MM:SS\"\n"
    "                  (--to \"YYYY-MM-DD HH:MM:SS\" | --for 90m|36h|30d) LIST.zrl\n"
    "       zorvat-sim --dump [--regional en-US|de-DE] LIST.zrl\n"
    "       zorvat-sim --help\n";

// The arguments after the program name. --from and --to are local times, read through the
// process's time-zone rules; the run must end within the calendar (year 9999).
SimOptions ParseSimOptions(const std::vector<std::string>& args);

// "90m", "36h", "30d" in milliseconds.
std::int64_t ParseSpan(const std::string& text);

}  // namespace zorvat::sim
