#include "base/DateTimeText.h"

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

std::optional<DateTime> TryParseDate(std::string_view text, const RegionalFormats& f,
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

Error NotValid(std::string_view text, const char* what) {
  return Error("'" + std::string(text) + "' is not a valid " + what);
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

DateTime ParseDateTime(std::string_view text, const RegionalFormats& f, int currentYear) {
  const std::string_view s = TrimBlanks(text);
  const size_t blank = s.find(' ');
  const auto date = TryParseDate(s.substr(0, blank), f, currentYear);
  if (date) {
    if (blank == std::string_view::npos) {
      return *date;
    }
    if (const auto time = TryParseTime(s.substr(blank + 1), f)) {
      return *date < 0 ? *date - *time : *date + *time;
    }
  }
  throw NotValid(text, "date and time");
}

}  // namespace zorvat
