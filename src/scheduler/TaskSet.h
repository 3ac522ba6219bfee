#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "events/Task.h"

namespace zorvat {

// Occurrences told apart as SameOccurrence does (instant, command, both operands), in instant
// order, each looked up in logarithmic time: a stamp may carry thousands.
class TaskSet {
 public:
  bool Contains(const Task& task) const { return tasks_.contains(KeyOf(task)); }
  // False when the occurrence was there already.
  bool Insert(const Task& task) { return tasks_.try_emplace(KeyOf(task), task).second; }
  void InsertAll(const std::vector<Task>& tasks) {
    for (const Task& task : tasks) {
      Insert(task);
    }
  }
  bool Erase(const Task& task) { return tasks_.erase(KeyOf(task)) > 0; }
  // Forgets every occurrence before the instant (local milliseconds).
  void EraseBefore(std::int64_t ms) {
    tasks_.erase(tasks_.begin(), tasks_.lower_bound(Key{ms, 0, {}, {}}));
  }
  std::size_t Size() const { return tasks_.size(); }
  bool Empty() const { return tasks_.empty(); }
  std::vector<Task> Tasks() const {
    std::vector<Task> tasks;
    tasks.reserve(tasks_.size());
    for (const auto& [key, task] : tasks_) {
      tasks.push_back(task);
    }
    return tasks;
  }

 private:
  using Key = std::tuple<std::int64_t, std::uint8_t, std::string, std::string>;
  static Key KeyOf(const Task& task) {
    return {ToMilliseconds(task.time), task.command, task.operand1, task.operand2};
  }
  std::map<Key, Task> tasks_;
};

}  // namespace zorvat
