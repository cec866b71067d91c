#include "settings/ini_index.h"

namespace zix {

namespace {

uint32_t HashOf(std::u16string_view name) {
  uint64_t hash = 1469598103934665603ull;  // FNV-1a
  for (const char16_t unit : name) hash = (hash ^ unit) * 1099511628211ull;
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

}  // namespace

SectionIndex::SectionIndex(std::vector<std::u16string_view> names) : names_(std::move(names)) {
  size_t size = 16;
  while (size < names_.size() * 2) size *= 2;
  slots_.resize(size);
  for (uint32_t section = 0; section < names_.size(); ++section) {
    const uint32_t hash = HashOf(names_[section]);
    for (size_t at = SlotOf(hash);; at = (at + 1) & (slots_.size() - 1)) {
      Slot& slot = slots_[at];
      if (slot.section == kNone) {
        slot = {section, hash};
        break;
      }
      if (slot.hash == hash && names_[slot.section] == names_[section]) break;  // a repeat
    }
  }
}

uint32_t SectionIndex::Find(std::u16string_view upperName) const {
  const uint32_t hash = HashOf(upperName);
  for (size_t at = SlotOf(hash);; at = (at + 1) & (slots_.size() - 1)) {
    const Slot& slot = slots_[at];
    if (slot.section == kNone) return kNone;
    if (slot.hash == hash && names_[slot.section] == upperName) return slot.section;
  }
}

}  // namespace zix
