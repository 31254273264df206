#include "watchdog/task_snapshot.h"

#include <map>
#include <optional>

#include "base/text_case.h"

namespace tarnix {

namespace {

std::string Numbered(const char* word, size_t index, size_t digits) {
  const std::string number = std::to_string(index + 1);
  return word + std::string(number.size() < digits ? digits - number.size() : 0, '0') + number;
}

RegValue Flag(bool on) {
  return {regtype::Dword, std::string(1, on ? '\1' : '\0') + std::string(3, '\0')};
}

RegValue Text(const std::string& text) {
  return {regtype::String, text};
}

class SavedValues {
 public:
  explicit SavedValues(const std::vector<NamedValue>& values) {
    for (const NamedValue& value : values) byName_[FoldCase(value.name)] = value.value;
  }
  std::optional<std::string> Text(const std::string& name) const {
    const auto found = byName_.find(FoldCase(name));
    if (found == byName_.end() || !found->second.IsString())
      return std::nullopt;
    return found->second.data;
  }
  bool Flag(const std::string& name) const {
    const auto found = byName_.find(FoldCase(name));
    return found != byName_.end() && found->second.type == regtype::Dword &&
           found->second.data.find_first_not_of('\0') != std::string::npos;
  }

 private:
  std::map<std::string, RegValue> byName_;
};

std::vector<TaskAction> ActionsOf(const SavedValues& saved, const std::string& task) {
  std::vector<TaskAction> actions;
  for (size_t a = 0;; ++a) {
    const std::string prefix = task + " " + Numbered("Action", a, 2) + " ";
    const std::optional<std::string> path = saved.Text(prefix + "Path");
    if (!path)
      return actions;
    actions.push_back({*path, saved.Text(prefix + "Arguments").value_or(""),
                       saved.Text(prefix + "Directory").value_or("")});
  }
}

}  // namespace

std::vector<NamedValue> TaskSnapshotValues(const std::vector<ScheduledTask>& tasks) {
  std::vector<NamedValue> values;
  for (size_t t = 0; t < tasks.size(); ++t) {
    const ScheduledTask& task = tasks[t];
    const std::string name = Numbered("Task", t, 3) + " ";
    values.push_back({name + "Path", Text(task.path)});
    values.push_back({name + "Enabled", Flag(task.enabled)});
    values.push_back({name + "AtBoot", Flag(task.atBoot)});
    values.push_back({name + "AtLogon", Flag(task.atLogon)});
    values.push_back({name + "Definition", Text(task.xml)});
    for (size_t a = 0; a < task.actions.size(); ++a) {
      const std::string action = name + Numbered("Action", a, 2) + " ";
      values.push_back({action + "Path", Text(task.actions[a].path)});
      values.push_back({action + "Arguments", Text(task.actions[a].arguments)});
      values.push_back({action + "Directory", Text(task.actions[a].workingDirectory)});
    }
  }
  return values;
}

std::vector<ScheduledTask> TasksOfSnapshot(const std::vector<NamedValue>& values) {
  const SavedValues saved(values);
  std::vector<ScheduledTask> tasks;
  for (size_t t = 0;; ++t) {
    const std::string name = Numbered("Task", t, 3);
    const std::optional<std::string> path = saved.Text(name + " Path");
    if (!path)
      return tasks;
    tasks.push_back({*path, saved.Flag(name + " Enabled"), saved.Flag(name + " AtBoot"),
                     saved.Flag(name + " AtLogon"), ActionsOf(saved, name),
                     saved.Text(name + " Definition").value_or("")});
  }
}

}  // namespace tarnix
