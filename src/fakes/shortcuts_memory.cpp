#include "fakes/shortcuts_memory.h"

#include <vector>

namespace tarnix {

namespace {

const char kMagic[] = "TarnixMemoryShortcut\n";

// Each property as "<length>:<bytes>\n", so any text survives, line breaks included.
void PutField(std::string& out, const std::string& text) {
  out += std::to_string(text.size()) + ":" + text + "\n";
}

std::optional<std::string> TakeField(const std::string& in, size_t& at) {
  size_t colon = in.find(':', at);
  if (colon == std::string::npos || colon == at)
    return std::nullopt;
  size_t length = 0;
  for (size_t i = at; i < colon; ++i) {
    if (in[i] < '0' || in[i] > '9')
      return std::nullopt;
    length = length * 10 + static_cast<size_t>(in[i] - '0');
  }
  if (colon + 1 + length >= in.size() || in[colon + 1 + length] != '\n')
    return std::nullopt;
  at = colon + 2 + length;
  return in.substr(colon + 1, length);
}

std::string Encode(const MemoryShortcut& s) {
  std::string out = kMagic;
  for (const std::string* text :
       {&s.target, &s.arguments, &s.workingDirectory, &s.description, &s.iconLocation}) {
    PutField(out, *text);
  }
  for (int number : {s.iconIndex, s.showCommand, s.hotKey}) PutField(out, std::to_string(number));
  return out;
}

std::optional<MemoryShortcut> Decode(const std::string& bytes) {
  const std::string magic = kMagic;
  if (bytes.compare(0, magic.size(), magic) != 0)
    return std::nullopt;
  size_t at = magic.size();
  std::vector<std::string> fields;
  while (at < bytes.size()) {
    auto field = TakeField(bytes, at);
    if (!field)
      return std::nullopt;
    fields.push_back(*field);
  }
  if (fields.size() != 8)
    return std::nullopt;
  MemoryShortcut s{fields[0], fields[1], fields[2], fields[3], fields[4]};
  try {
    s.iconIndex = std::stoi(fields[5]);
    s.showCommand = std::stoi(fields[6]);
    s.hotKey = std::stoi(fields[7]);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return s;
}

void Apply(MemoryShortcut& s, const ShortcutProperties& p) {
  if (p.target)
    s.target = *p.target;
  if (p.arguments)
    s.arguments = *p.arguments;
  if (p.workingDirectory)
    s.workingDirectory = *p.workingDirectory;
  if (p.description)
    s.description = *p.description;
}

}  // namespace

bool MemoryShortcut::operator==(const MemoryShortcut& o) const {
  return target == o.target && arguments == o.arguments && workingDirectory == o.workingDirectory &&
         description == o.description && iconLocation == o.iconLocation &&
         iconIndex == o.iconIndex && showCommand == o.showCommand && hotKey == o.hotKey;
}

std::optional<MemoryShortcut> MemoryShortcuts::Inspect(const std::string& linkPath) {
  auto bytes = store_.ReadBytes(linkPath);
  return bytes ? Decode(*bytes) : std::nullopt;
}

StoreResult MemoryShortcuts::Plant(const std::string& linkPath, const MemoryShortcut& shortcut) {
  ++writeAttempts_;
  return store_.WriteBytes(linkPath, Encode(shortcut))
      .Saying("Cannot write the shortcut " + linkPath);
}

std::optional<ShortcutFields> MemoryShortcuts::ReadShortcut(const std::string& linkPath) {
  auto shortcut = Inspect(linkPath);
  if (!shortcut)
    return std::nullopt;
  return ShortcutFields{shortcut->target, shortcut->arguments, shortcut->workingDirectory};
}

StoreResult MemoryShortcuts::Save(const std::string& linkPath, const ShortcutProperties& properties,
                                  bool keepExisting) {
  MemoryShortcut shortcut;
  if (keepExisting) {
    auto existing = Inspect(linkPath);
    if (!existing)
      return {StoreFailure::Other, "Cannot write the shortcut " + linkPath};
    shortcut = *existing;
  }
  Apply(shortcut, properties);
  return Plant(linkPath, shortcut);
}

}  // namespace tarnix
