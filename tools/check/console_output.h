#pragma once
// Standard output and files, the one place where the tool's text meets the system.

#include <string_view>

namespace zix::check {

// UTF-8 bytes, or a Windows console's own wide text so that Chinese shows whatever its code page.
bool WriteStandardOutput(std::u16string_view text);
bool WriteStandardError(std::u16string_view text);

// Replaces the file with exactly these bytes.
bool WriteWholeFile(std::u16string_view path, std::string_view bytes);

}  // namespace zix::check
