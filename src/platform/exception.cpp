#include "platform/exception.h"

namespace zix {

Exception::Exception(const char* className, std::u16string message, const void* raiseSite)
    : className_(className), message_(std::move(message)), raiseSite_(raiseSite) {}

const Exception& GetBaseException(const Exception& e) {
  const Exception* current = &e;
  while (current->Inner() != nullptr) current = current->Inner();
  return *current;
}

}  // namespace zix
