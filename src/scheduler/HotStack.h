#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "base/DateTime.h"

namespace zorvat {

// An event about to fall due. `Time` is the absolute instant of its occurrence, date and time.
struct THotEv {
  DateTime Time = 0;
  std::uint8_t Command = 0;
  std::string Operator1;
  std::string Operator2;
  std::uint8_t Query = 0;
  std::uint8_t Waiting = 0;  // 1 = waits for its instant, 0 = free
};

// Sixty entries. A freed entry keeps its contents, and the stack remembers what it handed on or
// gave up lately, so an occurrence is never filed twice, whatever has become of its entry.
class HotStack {
 public:
  static constexpr std::size_t kSize = 60;

  enum class AddResult { Filed, Duplicate, Full };

  // Files an occurrence into the lowest free entry unless it is already waiting, was handed on
  // or given up lately, or no entry is free.
  AddResult Add(const THotEv& event, DateTime now);
  // Frees entry i and remembers its occurrence.
  void Release(std::size_t i, DateTime now);

  const THotEv& operator[](std::size_t i) const { return entries_.at(i); }
  bool Knows(const THotEv& event) const;
  std::size_t waiting() const { return waiting_; }

 private:
  struct Recent {
    std::uint8_t command;
    std::string operator1;
    std::string operator2;
  };
  void Forget(DateTime now);

  std::array<THotEv, kSize> entries_{};
  std::multimap<std::int64_t, Recent> recent_;  // by instant in milliseconds
  std::size_t waiting_ = 0;
};

// The same occurrence: instant, command and both operands.
bool SameOccurrence(const THotEv& a, const THotEv& b);

}  // namespace zorvat
