#include "platform/code_page_936.h"

#include <cstdint>

namespace zix::cp936 {

namespace {

bool InRange(unsigned value, unsigned low, unsigned high) { return value >= low && value <= high; }

// Second bytes run 0x40..0x7E and 0x80..0xFE: 0x7F is never one, so positions skip it.
unsigned TrailPosition(unsigned char trail) { return trail - 0x40u - (trail > 0x7F ? 1u : 0u); }

// The gaps of the symbol rows and two short areas, numbered on in this order from U+E766.
struct PairRun {
  uint16_t first;
  uint16_t last;
};
constexpr PairRun kGapRuns[] = {
    {0xA2AB, 0xA2B0}, {0xA2E3, 0xA2E4}, {0xA2EF, 0xA2F0}, {0xA2FD, 0xA2FE}, {0xA4F4, 0xA4FE},
    {0xA5F7, 0xA5FE}, {0xA6B9, 0xA6C0}, {0xA6D9, 0xA6DF}, {0xA6EC, 0xA6ED}, {0xA6F3, 0xA6F3},
    {0xA6F6, 0xA6FE}, {0xA7C2, 0xA7D0}, {0xA7F2, 0xA7FE}, {0xA896, 0xA8A0}, {0xA8BC, 0xA8BC},
    {0xA8BF, 0xA8BF}, {0xA8C1, 0xA8C4}, {0xA8EA, 0xA8FE}, {0xA958, 0xA958}, {0xA95B, 0xA95B},
    {0xA95D, 0xA95F}, {0xA989, 0xA995}, {0xA997, 0xA9A3}, {0xA9F0, 0xA9FE}, {0xD7FA, 0xD7FE},
    {0xFE50, 0xFEA0},
};
constexpr char16_t kFirstGapChar = u'\uE766';

unsigned PairsBetween(uint16_t first, uint16_t last) {
  // Runs never span two lead bytes, so only the skipped 0x7F needs counting out.
  return TrailPosition(static_cast<unsigned char>(last & 0xFF)) -
         TrailPosition(static_cast<unsigned char>(first & 0xFF)) + 1;
}

}  // namespace

char16_t UnassignedPair(unsigned char lead, unsigned char trail) {
  // User-defined areas, 94 or 96 characters a row.
  if (InRange(lead, 0xAA, 0xAF) && InRange(trail, 0xA1, 0xFE))
    return static_cast<char16_t>(0xE000 + (lead - 0xAA) * 94 + (trail - 0xA1));
  if (InRange(lead, 0xF8, 0xFE) && InRange(trail, 0xA1, 0xFE))
    return static_cast<char16_t>(0xE234 + (lead - 0xF8) * 94 + (trail - 0xA1));
  if (InRange(lead, 0xA1, 0xA7) && InRange(trail, 0x40, 0xA0) && trail != 0x7F)
    return static_cast<char16_t>(0xE4C6 + (lead - 0xA1) * 96 + TrailPosition(trail));

  const unsigned pair = (unsigned{lead} << 8) | trail;
  if (trail == 0x7F) return kDefaultChar;
  unsigned before = 0;
  for (const PairRun& run : kGapRuns) {
    if (InRange(pair, run.first, run.last))
      return static_cast<char16_t>(kFirstGapChar + before +
                                   PairsBetween(run.first, static_cast<uint16_t>(pair)) - 1);
    before += PairsBetween(run.first, run.last);
  }
  return kDefaultChar;
}

}  // namespace zix::cp936
