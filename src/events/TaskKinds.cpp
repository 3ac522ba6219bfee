#include "events/TaskKinds.h"

namespace zorvat {
namespace {

constexpr bool CodesAreRowIndexes() {
  for (std::size_t i = 0; i < kTaskKinds.size(); ++i) {
    if (kTaskKinds[i].code != i) {
      return false;
    }
  }
  return true;
}
static_assert(CodesAreRowIndexes(), "the drop-down's entry i stores code i: row i has code i");
static_assert(kTaskKinds.size() <= kCmdCleared, "255 marks a cleared slot, never a kind");

constexpr bool InTheIconList(KindIcon icon) {
  return static_cast<int>(icon) < kKindIconCount;
}
constexpr bool IconsAreInTheList() {
  for (const TaskKind& kind : kTaskKinds) {
    if (kind.icon && !InTheIconList(*kind.icon)) {
      return false;
    }
  }
  for (const TreeGroup& group : kTreeGroups) {
    if (!InTheIconList(group.icon)) {
      return false;
    }
  }
  return true;
}
static_assert(IconsAreInTheList(), "an icon beyond kKindIconCount would show nothing");

// The row of the drop-down's entry `index`; nothing for no entry (-1).
const TaskKind* KindOfChoice(int index) {
  if (index < 0 || static_cast<std::size_t>(index) >= kTaskKinds.size()) {
    return nullptr;
  }
  return &kTaskKinds[static_cast<std::size_t>(index)];
}

}  // namespace

const TaskKind* FindTaskKind(std::uint8_t code) {
  return code < kTaskKinds.size() ? &kTaskKinds[code] : nullptr;
}

std::string WithOperands(std::string_view text, std::string_view operand1,
                         std::string_view operand2) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
      result.append(text[i + 1] == '1' ? operand1 : operand2);
      ++i;
    } else {
      result += text[i];
    }
  }
  return result;
}

std::uint8_t CommandOfChoice(int index) {
  const TaskKind* kind = KindOfChoice(index);
  return kind ? kind->code : std::uint8_t{kCmdCleared};
}

ParameterDialog ParameterDialogFor(int index) {
  const TaskKind* kind = KindOfChoice(index);
  return kind ? kind->dialog : ParameterDialog::None;
}

}  // namespace zorvat
