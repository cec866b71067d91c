#include "app/processor_fault.h"

#include "app/error_text.h"

namespace zix::fault {
namespace {

struct KnownFault {
  uint32_t code;
  const char* className;
  const char16_t* message;
};

constexpr KnownFault kKnownFaults[] = {
    {kIntegerDivideByZero, "EDivByZero", u"Division by zero"},
    {kIntegerOverflow, "EIntOverflow", u"Integer overflow"},
    {kArrayBoundsExceeded, "ERangeError", u"Range check error"},
    {kFloatDivideByZero, "EZeroDivide", u"Floating point division by zero"},
    {kFloatOverflow, "EOverflow", u"Floating point overflow"},
    {kFloatUnderflow, "EUnderflow", u"Floating point underflow"},
    {kFloatDenormalOperand, "EInvalidOp", u"Invalid floating point operation"},
    {kFloatInexactResult, "EInvalidOp", u"Invalid floating point operation"},
    {kFloatInvalidOperation, "EInvalidOp", u"Invalid floating point operation"},
    {kFloatStackCheck, "EInvalidOp", u"Invalid floating point operation"},
    {kStackOverflow, "EStackOverflow", u"Stack overflow"},
    {kPrivilegedInstruction, "EPrivilege", u"Privileged instruction"},
    {kIllegalInstruction, "EIllegalInstruction", u"Illegal instruction"},
};

std::u16string AccessViolationMessage(const FaultRecord& record) {
  std::u16string text = u"Access violation at address " + HexAddress(record.address);
  if (!record.hasAccessInfo) return text;
  switch (record.accessKind) {
    case 0: text += u": read of address "; break;
    case 1: text += u": write to address "; break;
    case 8: text += u": execution of address "; break;
    default: text += u": access to address "; break;
  }
  return text + HexAddress(record.accessedAddress);
}

}  // namespace

FaultError DescribeFault(const FaultRecord& record) {
  if (record.code == kAccessViolation) return {"EAccessViolation", AccessViolationMessage(record)};
  for (const KnownFault& known : kKnownFaults) {
    if (known.code == record.code) return {known.className, known.message};
  }
  // Any other code: in-page errors, breakpoints, errors raised by foreign code.
  std::u16string code = HexAddress(record.code);
  code.erase(0, code.size() - 8);
  return {"EExternalException", u"External exception " + code};
}

}  // namespace zix::fault
