#include "app/error_text.h"

#include "platform/files.h"

namespace zix {

std::u16string WithErrorBoxStop(std::u16string message) {
  if (!message.empty() && message.back() > u'.') message += u'.';
  return message;
}

std::u16string ErrorBoxText(const Exception& error) {
  const std::u16string* chosen = &error.Message();
  for (const Exception* inner = error.Inner(); inner != nullptr; inner = inner->Inner()) {
    if (!inner->Message().empty()) chosen = &inner->Message();
  }
  return WithErrorBoxStop(*chosen);
}

CodeLocation LocateCodeAddress(uintptr_t address, const std::optional<ModuleSpan>& module,
                               std::u16string_view ownFileName) {
  // Neither a path nor a name from the system is trusted to hold a folder.
  auto withoutFolder = [](std::u16string_view path) {
    return std::u16string(path.substr(FolderPart(path).size()));
  };
  if (module) return {withoutFolder(module->fileName), address - module->base};
  // 4096 stands for the page that precedes the code of a module loaded at its usual base,
  // so that an address outside every module is still told as an offset of sorts.
  return {withoutFolder(ownFileName), address == 0 ? 0 : address - 4096};
}

std::u16string HexAddress(uintptr_t value) {
  static constexpr char16_t kDigits[] = u"0123456789ABCDEF";
  std::u16string reversed;
  do {
    reversed += kDigits[value & 0xF];
    value >>= 4;
  } while (value != 0 || reversed.size() < 8);
  return std::u16string(reversed.rbegin(), reversed.rend());
}

std::u16string FatalErrorText(std::string_view className, const CodeLocation& where,
                              std::u16string_view message) {
  std::u16string text = u"Exception ";
  text.append(className.begin(), className.end());  // class names are ASCII identifiers
  text += u" in module ";
  text += where.moduleName;
  text += u" at ";
  text += HexAddress(where.offset);
  text += u".\r\n";
  text += message;
  if (!message.empty() && message.back() != u'.') text += u'.';
  text += u"\r\n";
  if (text.size() > kFatalTextLimit) {
    size_t cut = kFatalTextLimit;
    // A high surrogate left without its partner would show as a broken character.
    if (text[cut - 1] >= 0xD800 && text[cut - 1] <= 0xDBFF) --cut;
    text.resize(cut);
  }
  return text;
}

}  // namespace zix
