#include "check/program_header.h"

#include <optional>

#include "platform/text_codec.h"

namespace zix::check {

namespace {

constexpr uint16_t kMachineI386 = 0x014C;
constexpr uint16_t kMachineAmd64 = 0x8664;
constexpr uint16_t kMagicPe32 = 0x010B;
constexpr uint16_t kMagicPe32Plus = 0x020B;
constexpr uint16_t kExecutableImage = 0x0002;
constexpr uint16_t kDll = 0x2000;
constexpr uint16_t kSubsystemGui = 2;
constexpr uint16_t kSubsystemConsole = 3;

constexpr size_t kDosHeaderSize = 0x40;
constexpr size_t kNewHeaderOffsetField = 0x3C;
constexpr size_t kFileHeaderSize = 24;  // "PE\0\0" and the COFF file header
// The optional header's fields up to and with Subsystem lie at the same offsets in PE32 and
// PE32+.
constexpr size_t kSubsystemVersionField = 48;
constexpr size_t kSubsystemField = 68;
constexpr size_t kOptionalHeaderNeeded = kSubsystemField + 2;

uint16_t Word(std::string_view bytes, size_t at) {
  return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                               static_cast<unsigned char>(bytes[at + 1]) << 8);
}

uint32_t Dword(std::string_view bytes, size_t at) {
  return Word(bytes, at) | static_cast<uint32_t>(Word(bytes, at + 2)) << 16;
}

std::string Hex(uint32_t value) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do {
    out.insert(out.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  return "0x" + out;
}

std::u16string Text(uint64_t value) { return FromUtf8(std::to_string(value)); }

// Whether the bytes [at, at + size) lie inside the file, and if so inside head.
std::optional<HeaderFault> Reach(std::string_view head, uint64_t fileSize, uint64_t at, uint64_t size,
                                 Phrase what) {
  if (at + size > fileSize) {
    return HeaderFault{{Phrase::FileEndsBefore, {Text(fileSize), what, Text(size), Text(at)}}};
  }
  if (at + size > head.size()) {
    return HeaderFault{{Phrase::BeyondFirst64K, {what, Text(at)}}};
  }
  return std::nullopt;
}

}  // namespace

ProgramHeader ReadProgramHeader(std::string_view head, uint64_t fileSize) {
  if (head.size() > fileSize) head = head.substr(0, static_cast<size_t>(fileSize));
  if (head.size() < 2 || head.substr(0, 2) != "MZ") {
    return HeaderFault{{Phrase::NoMz}};
  }
  if (auto fault = Reach(head, fileSize, 0, kDosHeaderSize, Phrase::PartDosHeader)) return *fault;

  const uint32_t peAt = Dword(head, kNewHeaderOffsetField);
  // A DOS program leaves the field zero; it never runs on 64-bit Windows and is no PE program.
  if (peAt == 0) return OtherFile{"a DOS program"};
  if (peAt < kDosHeaderSize) {
    return HeaderFault{{Phrase::PeIntoDosHeader, {FromUtf8(Hex(peAt))}}};
  }
  if (auto fault = Reach(head, fileSize, peAt, 4, Phrase::PartPeSignature)) return *fault;
  const std::string_view signature = head.substr(peAt, 4);
  if (signature.substr(0, 2) == "NE" || signature.substr(0, 2) == "LE" ||
      signature.substr(0, 2) == "LX") {
    return OtherFile{"a 16-bit or DOS-extended program"};
  }
  if (signature != std::string_view("PE\0\0", 4)) {
    return HeaderFault{{Phrase::NoPeSignature, {FromUtf8(Hex(peAt))}}};
  }
  if (auto fault = Reach(head, fileSize, peAt, kFileHeaderSize, Phrase::PartCoffHeader)) return *fault;

  const uint16_t machine = Word(head, peAt + 4);
  const uint16_t optionalSize = Word(head, peAt + 20);
  const uint16_t characteristics = Word(head, peAt + 22);
  if (machine != kMachineI386 && machine != kMachineAmd64) {
    return OtherFile{"built for processor " + Hex(machine)};
  }
  if (optionalSize < kOptionalHeaderNeeded) {
    return HeaderFault{{Phrase::OptionalHeaderShort, {Text(optionalSize)}}};
  }
  const uint64_t optionalAt = uint64_t{peAt} + kFileHeaderSize;
  if (auto fault = Reach(head, fileSize, optionalAt, kOptionalHeaderNeeded, Phrase::PartOptionalHeader))
    return *fault;

  const size_t at = static_cast<size_t>(optionalAt);
  const uint16_t magic = Word(head, at);
  const uint16_t expectedMagic = machine == kMachineI386 ? kMagicPe32 : kMagicPe32Plus;
  if (magic != kMagicPe32 && magic != kMagicPe32Plus) {
    return HeaderFault{{Phrase::UnknownMagic, {FromUtf8(Hex(magic))}}};
  }
  if (magic != expectedMagic) {
    return HeaderFault{{Phrase::ProcessorMismatch,
                        {std::u16string(machine == kMachineI386 ? u"i386" : u"x86-64"),
                         std::u16string(magic == kMagicPe32 ? u"32" : u"64")}}};
  }
  if ((characteristics & kExecutableImage) == 0 || (characteristics & kDll) != 0) {
    return OtherFile{"a library, not a program"};
  }
  const uint16_t subsystem = Word(head, at + kSubsystemField);
  if (subsystem != kSubsystemGui && subsystem != kSubsystemConsole) {
    return OtherFile{"a program for subsystem " + std::to_string(subsystem)};
  }
  WindowsProgram program;
  program.machine = machine == kMachineI386 ? ProgramMachine::I386 : ProgramMachine::Amd64;
  program.subsystemMajor = Word(head, at + kSubsystemVersionField);
  program.subsystemMinor = Word(head, at + kSubsystemVersionField + 2);
  return program;
}

}  // namespace zix::check
