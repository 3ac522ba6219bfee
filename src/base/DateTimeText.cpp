#include "base/DateTimeText.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <optional>
#include <vector>

#include "base/Error.h"
#include "base/TextUtil.h"

namespace zorvat {
namespace {

std::string Padded(int number, int width) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%0*d", width, number);
  return buffer;
}

size_t RunLength(std::string_view s, size_t at) {
  size_t n = 1;
  while (at + n < s.size() && s[at + n] == s[at]) {
    ++n;
  }
  return n;
}

void AppendDesignator(std::string& out, const std::string& designator, size_t count) {
  if (count == 1) {
    // The first character: its UTF-8 trail bytes come along.
    size_t end = designator.empty() ? 0 : 1;
    while (end < designator.size() &&
           (static_cast<unsigned char>(designator[end]) & 0xC0) == 0x80) {
      ++end;
    }
    out.append(designator, 0, end);
  } else {
    out.append(designator);
  }
}

}  // namespace

std::string FormatPicture(DateTime value, std::string_view picture, const RegionalFormats& f) {
  const CivilDate date = DecodeDate(value);
  const TimeOfDay time = DecodeTime(value);
  const int weekday = DayOfWeek(value) - 1;
  const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
  std::string out;
  for (size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    if (c == '\'') {
      const size_t close = picture.find('\'', i + 1);
      const size_t end = close == std::string_view::npos ? picture.size() : close;
      out.append(picture.substr(i + 1, end - i - 1));
      i = close == std::string_view::npos ? end : close + 1;
      continue;
    }
    const size_t n = RunLength(picture, i);
    switch (c) {
      case 'd':
        if (n == 1 || n == 2) {
          out += Padded(date.day, static_cast<int>(n));
        } else {
          out += n == 3 ? f.shortDayNames[weekday] : f.longDayNames[weekday];
        }
        break;
      case 'M':
        if (n == 1 || n == 2) {
          out += Padded(date.month, static_cast<int>(n));
        } else {
          out += n == 3 ? f.shortMonthNames[date.month - 1] : f.longMonthNames[date.month - 1];
        }
        break;
      case 'y':
        if (n <= 2) {
          out += Padded(date.year % 100, static_cast<int>(n));
        } else {
          out += Padded(date.year, 4);
        }
        break;
      case 'g':
        break;  // era: written as nothing
      case 'h':
        out += Padded(hour12, n >= 2 ? 2 : 1);
        break;
      case 'H':
        out += Padded(time.hour, n >= 2 ? 2 : 1);
        break;
      case 'm':
        out += Padded(time.minute, n >= 2 ? 2 : 1);
        break;
      case 's':
        out += Padded(time.second, n >= 2 ? 2 : 1);
        break;
      case 't':
        AppendDesignator(out, time.hour < 12 ? f.am : f.pm, n);
        break;
      default:
        out.append(n, c);
        break;
    }
    i += n;
  }
  return out;
}

std::string WithFourDigitYear(std::string_view picture) {
  std::string out;
  bool quoted = false;
  for (size_t i = 0; i < picture.size();) {
    const char c = picture[i];
    const size_t n = quoted || c == '\'' ? 1 : RunLength(picture, i);
    if (c == '\'') {
      quoted = !quoted;
    }
    out.append(!quoted && c == 'y' && n <= 2 ? std::string_view("yyyy") : picture.substr(i, n));
    i += n;
  }
  return out;
}

std::string FormatDate(DateTime value, const RegionalFormats& f) {
  return FormatPicture(value, f.shortDate, f);
}

std::string FormatTime(DateTime value, const RegionalFormats& f) {
  return FormatPicture(value, f.longTime, f);
}

std::string FormatDateTime(DateTime value, const RegionalFormats& f) {
  const TimeOfDay t = DecodeTime(value);
  std::string text = FormatDate(value, f);
  if (t.hour != 0 || t.minute != 0 || t.second != 0) {
    text += ' ';
    text += FormatTime(value, f);
  }
  return text;
}

namespace {

struct Number {
  int value = 0;
  int digits = 0;
};

// Reads up to maxDigits decimal digits; nothing when there is none.
std::optional<Number> ReadNumber(std::string_view s, size_t& at, int maxDigits) {
  Number n;
  while (at < s.size() && IsDigit(s[at])) {
    if (n.digits == maxDigits) {
      return std::nullopt;
    }
    n.value = n.value * 10 + (s[at] - '0');
    ++n.digits;
    ++at;
  }
  if (n.digits == 0) {
    return std::nullopt;
  }
  return n;
}

void SkipBlanks(std::string_view s, size_t& at) {
  while (at < s.size() && s[at] == ' ') {
    ++at;
  }
}

int WindowedYear(const Number& year, int currentYear) {
  if (year.digits > 2) {
    return year.value;
  }
  int candidate = currentYear / 100 * 100 + year.value;
  if (candidate < currentYear - 50) {
    candidate += 100;
  } else if (candidate > currentYear + 49) {
    candidate -= 100;
  }
  return candidate;
}

// ---- Reading a date by the short-date picture itself ----
// Pictures such as "yyyy. MM. dd.", "d. M. yyyy" or "d.M.yyyy 'г.'" hold blanks, a trailing
// separator or quoted text, which the separator rules cannot read. A date written with the
// picture is read back by matching the picture's own text first.

// A picture that names a day, a month and a year, and no time of day.
bool IsDatePicture(std::string_view picture) {
  bool day = false;
  bool month = false;
  bool year = false;
  bool quoted = false;
  for (size_t i = 0; i < picture.size(); ++i) {
    const char c = picture[i];
    if (c == '\'') {
      quoted = !quoted;
    } else if (!quoted) {
      if (std::string_view("hHmst").find(c) != std::string_view::npos) {
        return false;
      }
      day = day || (c == 'd' && RunLength(picture, i) <= 2);
      month = month || c == 'M';
      year = year || c == 'y';
    }
  }
  return day && month && year;
}

struct DateFields {
  int day = 0;
  int month = 0;
  Number year;
};

// Matches the picture from position p against s from `at`; `accept` decides about each complete
// match (the date's fields and where it ended). Numbers try their longest reading first.
template <typename Accept>
class DatePictureMatcher {
 public:
  DatePictureMatcher(std::string_view picture, std::string_view s, const RegionalFormats& f,
                     const Accept& accept)
      : picture_(picture), s_(s), f_(f), accept_(accept) {}

  // Each element of the picture is one call deeper, so the depth is at most the picture's length.
  // NOLINTNEXTLINE(misc-no-recursion)
  bool Match(size_t p, size_t at, const DateFields& fields) const {
    if (p == picture_.size()) {
      return accept_(fields, at);
    }
    const char c = picture_[p];
    if (c == '\'') {
      const size_t close = picture_.find('\'', p + 1);
      const size_t end = close == std::string_view::npos ? picture_.size() : close;
      const auto next = MatchLiteral(picture_.substr(p + 1, end - p - 1), at);
      return next && Match(close == std::string_view::npos ? end : close + 1, *next, fields);
    }
    const size_t n = RunLength(picture_, p);
    switch (c) {
      case 'd':
        return n <= 2 ? MatchNumber(p + n, at, 2, fields, &DateFields::day)
                      : MatchName(p + n, at, n == 3 ? f_.shortDayNames : f_.longDayNames, fields,
                                  false);
      case 'M':
        return n <= 2 ? MatchNumber(p + n, at, 2, fields, &DateFields::month)
                      : MatchName(p + n, at, n == 3 ? f_.shortMonthNames : f_.longMonthNames,
                                  fields, true);
      case 'y':
        return MatchNumber(p + n, at, 4, fields, nullptr);
      case 'g':
        return Match(p + n, at, fields);
      default: {
        const auto next = MatchLiteral(picture_.substr(p, n), at);
        return next && Match(p + n, *next, fields);
      }
    }
  }

 private:
  // A blank in the picture stands for any run of blanks, also none; letters match without
  // regard to ASCII case.
  std::optional<size_t> MatchLiteral(std::string_view literal, size_t at) const {
    for (const char c : literal) {
      if (c == ' ') {
        SkipBlanks(s_, at);
      } else if (at < s_.size() && ToLowerAscii(s_[at]) == ToLowerAscii(c)) {
        ++at;
      } else {
        return std::nullopt;
      }
    }
    return at;
  }

  // field: day or month; nothing for the year.
  // NOLINTNEXTLINE(misc-no-recursion): one picture element deeper, as Match
  bool MatchNumber(size_t p, size_t at, int most, const DateFields& fields,
                   int DateFields::*field) const {
    int digits = 0;
    while (digits < most && at + static_cast<size_t>(digits) < s_.size() &&
           IsDigit(s_[at + static_cast<size_t>(digits)])) {
      ++digits;
    }
    for (int n = digits; n >= 1; --n) {
      int value = 0;
      for (int i = 0; i < n; ++i) {
        value = value * 10 + (s_[at + static_cast<size_t>(i)] - '0');
      }
      DateFields next = fields;
      if (field != nullptr) {
        next.*field = value;
      } else {
        next.year = {value, n};
      }
      if (Match(p, at + static_cast<size_t>(n), next)) {
        return true;
      }
    }
    return false;
  }

  template <size_t N>
  // NOLINTNEXTLINE(misc-no-recursion): one picture element deeper, as Match
  bool MatchName(size_t p, size_t at, const std::array<std::string, N>& names,
                 const DateFields& fields, bool isMonth) const {
    for (size_t i = 0; i < N; ++i) {
      if (names[i].empty() || !StartsWithNoCase(s_.substr(at), names[i])) {
        continue;
      }
      DateFields next = fields;
      if (isMonth) {
        next.month = static_cast<int>(i) + 1;
      }
      if (Match(p, at + names[i].size(), next)) {
        return true;
      }
    }
    return false;
  }

  std::string_view picture_;
  std::string_view s_;
  const RegionalFormats& f_;
  const Accept& accept_;
};

// The date at the start of s, read by the picture; `rest(text)` decides about what follows it.
template <typename Rest>
std::optional<DateTime> MatchDatePicture(std::string_view s, const RegionalFormats& f,
                                         int currentYear, const Rest& rest) {
  if (!IsDatePicture(f.shortDate)) {
    return std::nullopt;
  }
  std::optional<DateTime> date;
  const auto accept = [&](const DateFields& fields, size_t end) {
    const int year = WindowedYear(fields.year, currentYear);
    if (!IsValidDate(year, fields.month, fields.day) || !rest(s.substr(end))) {
      return false;
    }
    date = EncodeDate(year, fields.month, fields.day);
    return true;
  };
  DatePictureMatcher<decltype(accept)>(f.shortDate, s, f, accept).Match(0, 0, {});
  return date;
}

// ---- Reading a date by the separator rules ----

std::optional<DateTime> ParseDateBySeparators(std::string_view text, const RegionalFormats& f,
                                              int currentYear) {
  const std::string_view s = TrimBlanks(text);
  const char separator = f.DateSeparator();
  std::vector<Number> numbers;
  size_t at = 0;
  for (;;) {
    if (separator != ' ') {
      SkipBlanks(s, at);
    }
    const auto number = ReadNumber(s, at, 9);
    if (!number || numbers.size() == 3) {
      return std::nullopt;
    }
    numbers.push_back(*number);
    if (separator != ' ') {
      SkipBlanks(s, at);
    }
    if (at == s.size()) {
      break;
    }
    if (s[at] != separator) {
      return std::nullopt;
    }
    ++at;
    if (separator == ' ') {
      SkipBlanks(s, at);
    }
  }
  if (numbers.size() < 2) {
    return std::nullopt;
  }
  const DateOrder order = DateOrderOf(f.shortDate);
  int year = currentYear;
  int month = 0;
  int day = 0;
  if (numbers.size() == 3) {
    switch (order) {
      case DateOrder::DMY:
        day = numbers[0].value, month = numbers[1].value;
        year = WindowedYear(numbers[2], currentYear);
        break;
      case DateOrder::MDY:
        month = numbers[0].value, day = numbers[1].value;
        year = WindowedYear(numbers[2], currentYear);
        break;
      case DateOrder::YMD:
        year = WindowedYear(numbers[0], currentYear);
        month = numbers[1].value, day = numbers[2].value;
        break;
    }
  } else if (order == DateOrder::DMY) {
    day = numbers[0].value, month = numbers[1].value;
  } else {
    month = numbers[0].value, day = numbers[1].value;
  }
  if (!IsValidDate(year, month, day)) {
    return std::nullopt;
  }
  return EncodeDate(year, month, day);
}

}  // namespace

std::optional<DateTime> TryParseDate(std::string_view text, const RegionalFormats& f,
                                     int currentYear) {
  const std::string_view s = TrimBlanks(text);
  if (const auto date =
          MatchDatePicture(s, f, currentYear, [](std::string_view rest) { return rest.empty(); })) {
    return date;
  }
  return ParseDateBySeparators(s, f, currentYear);
}

namespace {

enum class HalfDay { None, Am, Pm };

// Matches a designator at `at`, the locale's first, then the literal AM and PM.
HalfDay ReadDesignator(std::string_view s, size_t& at, const RegionalFormats& f) {
  const std::pair<std::string_view, HalfDay> candidates[] = {
      {f.am, HalfDay::Am}, {f.pm, HalfDay::Pm}, {"AM", HalfDay::Am}, {"PM", HalfDay::Pm}};
  for (const auto& [designator, half] : candidates) {
    if (!designator.empty() && StartsWithNoCase(s.substr(at), designator)) {
      at += designator.size();
      return half;
    }
  }
  return HalfDay::None;
}

}  // namespace

std::optional<DateTime> TryParseTime(std::string_view text, const RegionalFormats& f) {
  const std::string_view s = TrimBlanks(text);
  const char separator = f.TimeSeparator();
  size_t at = 0;
  HalfDay half = ReadDesignator(s, at, f);
  SkipBlanks(s, at);
  const auto hour = ReadNumber(s, at, 2);
  if (!hour || at == s.size() || s[at] != separator) {
    return std::nullopt;
  }
  ++at;
  const auto minute = ReadNumber(s, at, 2);
  if (!minute) {
    return std::nullopt;
  }
  int second = 0;
  int millisecond = 0;
  if (at < s.size() && s[at] == separator) {
    ++at;
    const auto sec = ReadNumber(s, at, 2);
    if (!sec) {
      return std::nullopt;
    }
    second = sec->value;
    if (at < s.size() && s[at] == '.') {
      ++at;
      const auto fraction = ReadNumber(s, at, 3);
      if (!fraction) {
        return std::nullopt;
      }
      millisecond = fraction->value * (fraction->digits == 1   ? 100
                                       : fraction->digits == 2 ? 10
                                                               : 1);
    }
  }
  SkipBlanks(s, at);
  if (half == HalfDay::None) {
    half = ReadDesignator(s, at, f);
    SkipBlanks(s, at);
  }
  if (at != s.size()) {
    return std::nullopt;
  }
  int h = hour->value;
  if (half != HalfDay::None) {
    if (h < 1 || h > 12) {
      return std::nullopt;
    }
    h = (h % 12) + (half == HalfDay::Pm ? 12 : 0);
  }
  if (!IsValidTime(h, minute->value, second, millisecond)) {
    return std::nullopt;
  }
  return EncodeTime(h, minute->value, second, millisecond);
}

namespace {

Error NotValid(std::string_view text, const char* what) {
  return Error("'" + QuotedInMessage(text) + "' is not a valid " + what);
}

}  // namespace

DateTime ParseDate(std::string_view text, const RegionalFormats& f, int currentYear) {
  if (const auto value = TryParseDate(text, f, currentYear)) {
    return *value;
  }
  throw NotValid(text, "date");
}

DateTime ParseTime(std::string_view text, const RegionalFormats& f) {
  if (const auto value = TryParseTime(text, f)) {
    return *value;
  }
  throw NotValid(text, "time");
}

std::optional<DateTime> TryParseDateTime(std::string_view text, const RegionalFormats& f,
                                         int currentYear) {
  const std::string_view s = TrimBlanks(text);
  std::optional<DateTime> time;
  const auto byPicture = MatchDatePicture(s, f, currentYear, [&](std::string_view rest) {
    // The blank before the time may have gone to a blank at the picture's end.
    const bool setApart =
        !rest.empty() && (rest.front() == ' ' || s[s.size() - rest.size() - 1] == ' ');
    time = rest.empty() ? std::optional<DateTime>(0.0)
           : setApart   ? TryParseTime(rest, f)
                        : std::nullopt;
    return time.has_value();
  });
  if (byPicture) {
    return *byPicture < 0 ? *byPicture - *time : *byPicture + *time;
  }
  const size_t blank = s.find(' ');
  const auto date = ParseDateBySeparators(s.substr(0, blank), f, currentYear);
  if (date) {
    if (blank == std::string_view::npos) {
      return *date;
    }
    if (const auto time = TryParseTime(s.substr(blank + 1), f)) {
      return *date < 0 ? *date - *time : *date + *time;
    }
  }
  return std::nullopt;
}

DateTime ParseDateTime(std::string_view text, const RegionalFormats& f, int currentYear) {
  if (const auto value = TryParseDateTime(text, f, currentYear)) {
    return *value;
  }
  throw NotValid(text, "date and time");
}

}  // namespace zorvat
