#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/DateTime.h"
#include "base/RegionalFormats.h"

namespace zorvat {

// Formats a value with a Windows date or time picture (d dd ddd dddd M MM MMM MMMM y yy yyyy
// g gg h hh H HH m mm s ss t tt, 'quoted text'). Milliseconds are dropped, never rounded.
std::string FormatPicture(DateTime value, std::string_view picture, const RegionalFormats& f);

// The picture with every year of one or two digits ("y", "yy") written with four ("yyyy"), so
// that a date written with it keeps its century.
std::string WithFourDigitYear(std::string_view picture);

std::string FormatDate(DateTime value, const RegionalFormats& f);
std::string FormatTime(DateTime value, const RegionalFormats& f);
// The date, a blank and the time; the date alone when the time of day is 00:00:00.
std::string FormatDateTime(DateTime value, const RegionalFormats& f);

// Parsers throw zorvat::Error with the exact texts "'%s' is not a valid date", "... time",
// "... date and time" (the text quoted by QuotedInMessage). currentYear decides two-digit years
// and dates given without a year. A date is read by the short-date picture's own text first
// (blanks, a trailing separator, quoted text), then by the separator rules.
DateTime ParseDate(std::string_view text, const RegionalFormats& f, int currentYear);
DateTime ParseTime(std::string_view text, const RegionalFormats& f);
DateTime ParseDateTime(std::string_view text, const RegionalFormats& f, int currentYear);

// The same conversions without an error: nothing when the text does not convert.
std::optional<DateTime> TryParseDate(std::string_view text, const RegionalFormats& f,
                                     int currentYear);
std::optional<DateTime> TryParseTime(std::string_view text, const RegionalFormats& f);
std::optional<DateTime> TryParseDateTime(std::string_view text, const RegionalFormats& f,
                                         int currentYear);

}  // namespace zorvat
