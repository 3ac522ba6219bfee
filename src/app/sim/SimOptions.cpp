#include "app/sim/SimOptions.h"

#include <algorithm>
#include <charconv>
#include <cstddef>

#include "app/sim/LocalTime.h"

namespace zorvat::sim {
namespace {

constexpr std::uint32_t kLongestJitter = 60'000;

std::optional<std::int64_t> Number(std::string_view text) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  if (text.empty() || error != std::errc() || stop != end || value < 0) {
    return std::nullopt;
  }
  return value;
}

// "YYYY-MM-DD HH:MM:SS", local time.
std::int64_t ParseLocalTime(const std::string& option, const std::string& text) {
  const bool shaped = text.size() == 19 && text[4] == '-' && text[7] == '-' && text[10] == ' ' &&
                      text[13] == ':' && text[16] == ':';
  const auto field = [&](std::size_t at, std::size_t length) {
    return shaped ? static_cast<int>(Number(std::string_view(text).substr(at, length)).value_or(-1))
                  : -1;
  };
  const CivilDate date{field(0, 4), field(5, 2), field(8, 2)};
  const TimeOfDay time{field(11, 2), field(14, 2), field(17, 2), 0};
  if (!IsValidDate(date.year, date.month, date.day) ||
      !IsValidTime(time.hour, time.minute, time.second, 0)) {
    throw UsageError(option + R"( wants "YYYY-MM-DD HH:MM:SS", not ")" + text + "\"");
  }
  const std::optional<std::int64_t> utc = UtcOfLocal(date, time);
  if (!utc) {
    throw UsageError(option + " " + text + " is out of range");
  }
  return *utc;
}

RegionalFormats Regional(const std::string& name) {
  if (name == "en-US") {
    return RegionalFormats::EnUs();
  }
  if (name == "de-DE") {
    return RegionalFormats::DeDe();
  }
  throw UsageError("--regional wants en-US or de-DE, not \"" + name + "\"");
}

struct Reader {
  const std::vector<std::string>& args;
  std::size_t next = 0;

  bool More() const { return next < args.size(); }
  const std::string& Take() { return args[next++]; }
  const std::string& Value(const std::string& option) {
    if (!More()) {
      throw UsageError(option + " wants a value");
    }
    return Take();
  }
};

struct Parsed {
  SimOptions options;
  std::optional<std::int64_t> to;
  std::optional<std::int64_t> span;
  bool from = false;
  bool runOption = false;  // an option that only a run takes
};

void ParseOption(Reader& in, const std::string& arg, Parsed& p) {
  SimOptions& o = p.options;
  if (arg == "--dump") {
    o.dump = true;
    return;
  }
  if (arg == "--regional") {
    o.regional = Regional(in.Value(arg));
    return;
  }
  p.runOption = true;
  if (arg == "--settings") {
    o.settingsPath = in.Value(arg);
  } else if (arg == "--answer") {
    const std::string& answer = in.Value(arg);
    if (answer != "yes" && answer != "no") {
      throw UsageError("--answer wants yes or no, not \"" + answer + "\"");
    }
    o.answerYes = answer == "yes";
  } else if (arg == "--inactive") {
    o.active = false;
  } else if (arg == "--jitter") {
    const std::string& text = in.Value(arg);
    const std::optional<std::int64_t> ms = Number(text);
    if (!ms || *ms > kLongestJitter) {
      throw UsageError("--jitter wants milliseconds from 0 to 60000, not \"" + text + "\"");
    }
    o.jitterMs = static_cast<std::uint32_t>(*ms);
  } else if (arg == "--from") {
    const std::string& text = in.Value(arg);
    o.fromMs = ParseLocalTime(arg, text);
    o.fromYear = static_cast<int>(Number(text.substr(0, 4)).value_or(0));
    p.from = true;
  } else if (arg == "--asleep" || arg == "--closed" || arg == "--killed") {
    const std::int64_t from = ParseLocalTime(arg, in.Value(arg));
    const std::int64_t to = ParseLocalTime(arg, in.Value(arg));
    if (to <= from) {
      throw UsageError(arg + " wants its second time after its first");
    }
    if (arg != "--asleep" && o.closed) {
      throw UsageError("give either --closed or --killed, once");
    }
    (arg == "--asleep" ? o.asleep : o.closed) = SimOptions::Span{from, to};
    o.killed = o.killed || arg == "--killed";
  } else if (arg == "--to") {
    p.to = ParseLocalTime(arg, in.Value(arg));
  } else if (arg == "--for") {
    p.span = ParseSpan(in.Value(arg));
  } else {
    throw UsageError("unknown option " + arg);
  }
}

void CheckRun(Parsed& p) {
  if (!p.from) {
    throw UsageError("--from is missing");
  }
  if (p.to.has_value() == p.span.has_value()) {
    throw UsageError("give either --to or --for");
  }
  p.options.toMs = p.to ? *p.to : p.options.fromMs + *p.span;
  if (p.options.toMs <= p.options.fromMs) {
    throw UsageError("--to must lie after --from");
  }
  for (const auto& span : {p.options.asleep, p.options.closed}) {
    if (span && (span->fromMs < p.options.fromMs || span->toMs > p.options.toMs)) {
      throw UsageError("--asleep, --closed and --killed must lie between --from and --to");
    }
  }
  if (!TryLocalTimeOf(p.options.toMs)) {
    throw UsageError("the run would end past the calendar's last day, 9999-12-31");
  }
}

}  // namespace

std::int64_t ParseSpan(const std::string& text) {
  constexpr std::int64_t kMinute = 60'000;
  constexpr std::int64_t kLongest = 100LL * 366 * 24 * 60 * kMinute;
  const std::int64_t count =
      text.empty() ? 0 : Number(std::string_view(text).substr(0, text.size() - 1)).value_or(0);
  const char unit = text.empty() ? '\0' : text.back();
  const std::int64_t unitMs = unit == 'm'   ? kMinute
                              : unit == 'h' ? 60 * kMinute
                              : unit == 'd' ? std::int64_t{24} * 60 * kMinute
                                            : 0;
  if (count == 0 || unitMs == 0 || count > kLongest / unitMs) {
    throw UsageError("--for wants a number and m, h or d (90m, 36h, 30d), not \"" + text + "\"");
  }
  return count * unitMs;
}

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
  Parsed p;
  if (std::find(args.begin(), args.end(), "--help") != args.end()) {
    p.options.help = true;
    return p.options;
  }
  Reader in{args};
  std::vector<std::string> lists;
  while (in.More()) {
    const std::string& arg = in.Take();
    if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      ParseOption(in, arg, p);
    } else {
      lists.push_back(arg);
    }
  }
  if (lists.size() != 1) {
    throw UsageError(lists.empty() ? "no list file given" : "more than one list file given");
  }
  p.options.listPath = lists[0];
  if (p.options.dump) {
    if (p.runOption) {
      throw UsageError("--dump takes --regional and the list file only");
    }
  } else {
    CheckRun(p);
  }
  return p.options;
}

}  // namespace zorvat::sim
