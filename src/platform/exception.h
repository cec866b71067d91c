#pragma once
// The one error hierarchy of the program. Every error carries its class name, its message and
// the code address where it was raised, so that the fatal error box can name the module and
// the offset inside it.

#include <memory>
#include <string>

namespace zix {

class Exception {
 public:
  // raiseSite: a code address inside the function that raised the error; see ZIX_RAISE_SITE.
  Exception(const char* className, std::u16string message, const void* raiseSite);
  virtual ~Exception() = default;

  const char* ClassName() const { return className_; }
  const std::u16string& Message() const { return message_; }
  const void* RaiseSite() const { return raiseSite_; }

  // The error this one wraps, if any; GetBaseException walks to the innermost.
  void SetInner(std::shared_ptr<const Exception> inner) { inner_ = std::move(inner); }
  const Exception* Inner() const { return inner_.get(); }

 private:
  const char* className_;
  std::u16string message_;
  const void* raiseSite_;
  std::shared_ptr<const Exception> inner_;
};

// The address of the current function's caller's code: a constructor that is never inlined and
// takes it sees the function that created the error object.
#define ZIX_RAISE_SITE __builtin_return_address(0)

#define ZIX_DECLARE_EXCEPTION(Name, Base)                                                   \
  class Name : public Base {                                                                \
   public:                                                                                  \
    [[gnu::noinline]] explicit Name(std::u16string message)                                 \
        : Base(#Name, std::move(message), ZIX_RAISE_SITE) {}                                \
                                                                                            \
   protected:                                                                               \
    Name(const char* className, std::u16string message, const void* site)                   \
        : Base(className, std::move(message), site) {}                                      \
  };

// A thin base so that every concrete class can be declared with the macro above.
class ExceptionBase : public Exception {
 public:
  using Exception::Exception;
};

ZIX_DECLARE_EXCEPTION(EFOpenError, ExceptionBase)
ZIX_DECLARE_EXCEPTION(EOverflow, ExceptionBase)
ZIX_DECLARE_EXCEPTION(EAbort, ExceptionBase)
ZIX_DECLARE_EXCEPTION(EDivByZero, ExceptionBase)
ZIX_DECLARE_EXCEPTION(EOutOfMemory, ExceptionBase)
ZIX_DECLARE_EXCEPTION(EOutOfResources, ExceptionBase)
ZIX_DECLARE_EXCEPTION(EReadError, ExceptionBase)

// The innermost error of the chain that starts at e (e itself when it wraps nothing).
const Exception& GetBaseException(const Exception& e);

}  // namespace zix
