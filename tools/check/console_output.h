#pragma once
// Standard output and files, the one place where the tool's text meets the system.

#include <string_view>

namespace zix::check {

// UTF-8 bytes, or a Windows console's own wide text so that Chinese shows whatever its code page.
bool WriteStandardOutput(std::u16string_view text);
bool WriteStandardError(std::u16string_view text);
// Bytes exactly as given, whatever standard output is.
bool WriteStandardOutputBytes(std::string_view bytes);

// Replaces the file with exactly these bytes.
bool WriteWholeFile(std::u16string_view path, std::string_view bytes);

enum class NewFileResult { Written, Exists, Failed };

// Creates the file with exactly these bytes, in one step that never replaces a file already
// there; a file that could not be written whole is removed again.
NewFileResult WriteNewFile(std::u16string_view path, std::string_view bytes);

}  // namespace zix::check
