#include <clocale>

#include "platform/format_settings.h"

namespace zix {

void FormatSettings::Refresh() {
  const std::lconv* conventions = std::localeconv();
  decimalSeparator_ = SeparatorFromCLocale(conventions != nullptr ? conventions->decimal_point
                                                                  : nullptr);
}

}  // namespace zix
