#include <iconv.h>

#include <string>

#include "check/settings_source.h"

namespace zix::check {

bool CodePageAvailable(unsigned codePage) {
  // The settings reader's own decoder names code pages this way.
  const std::string name = "CP" + std::to_string(codePage);
  const iconv_t converter = iconv_open("UTF-16LE", name.c_str());
  if (converter == reinterpret_cast<iconv_t>(-1)) return false;
  iconv_close(converter);  // a converter that was never used has nothing to lose on close
  return true;
}

}  // namespace zix::check
