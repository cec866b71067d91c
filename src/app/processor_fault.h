#pragma once
// Processor faults (the system's exception codes) told as errors of the program's own kind:
// a class name and a message for the fatal error box.

#include <cstdint>
#include <string>

namespace zix::fault {

// The system's codes, spelt out so that the rule builds and is tested anywhere.
inline constexpr uint32_t kAccessViolation = 0xC0000005;
inline constexpr uint32_t kIllegalInstruction = 0xC000001D;
inline constexpr uint32_t kArrayBoundsExceeded = 0xC000008C;
inline constexpr uint32_t kFloatDenormalOperand = 0xC000008D;
inline constexpr uint32_t kFloatDivideByZero = 0xC000008E;
inline constexpr uint32_t kFloatInexactResult = 0xC000008F;
inline constexpr uint32_t kFloatInvalidOperation = 0xC0000090;
inline constexpr uint32_t kFloatOverflow = 0xC0000091;
inline constexpr uint32_t kFloatStackCheck = 0xC0000092;
inline constexpr uint32_t kFloatUnderflow = 0xC0000093;
inline constexpr uint32_t kIntegerDivideByZero = 0xC0000094;
inline constexpr uint32_t kIntegerOverflow = 0xC0000095;
inline constexpr uint32_t kPrivilegedInstruction = 0xC0000096;
inline constexpr uint32_t kStackOverflow = 0xC00000FD;

// What the system records about a fault.
struct FaultRecord {
  uint32_t code = 0;
  uintptr_t address = 0;  // where the fault happened
  // For an access violation: 0 read, 1 write, 8 execution, and the address touched.
  bool hasAccessInfo = false;
  uintptr_t accessKind = 0;
  uintptr_t accessedAddress = 0;
};

struct FaultError {
  const char* className;
  std::u16string message;
};

FaultError DescribeFault(const FaultRecord& record);

}  // namespace zix::fault
