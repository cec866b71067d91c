// Loading stays linear in the size of the file, in time and in memory, for the shapes that
// would expose anything worse: many sections, many lines, one huge line, random bytes.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>

#include "settings/ini_file.h"

#if defined(__GLIBC__) && !defined(__SANITIZE_ADDRESS__) && !defined(__has_feature)
#define ZIX_COUNT_HEAP 1
#elif defined(__GLIBC__) && defined(__has_feature)
#if !__has_feature(address_sanitizer)
#define ZIX_COUNT_HEAP 1
#endif
#endif

#ifdef ZIX_COUNT_HEAP
#include <malloc.h>
#endif

namespace zix {
namespace {

std::string Repeat(std::string_view piece, size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (size_t i = 0; i < times; ++i) out += piece;
  return out;
}

std::string ManySections(int count) {
  std::string out;
  for (int n = 0; n < count; ++n) out += "[" + std::to_string(n) + "]\n";
  return out;
}

std::string RandomBytes(size_t size, std::string_view mark) {
  std::mt19937 random(7);
  std::string out(mark);
  out.reserve(size);
  while (out.size() < size) out.push_back(static_cast<char>(random()));
  return out;
}

struct ScaleCase {
  const char* name;
  std::string (*make)();
};

void PrintTo(const ScaleCase& c, std::ostream* os) { *os << c.name; }

#ifdef ZIX_COUNT_HEAP
size_t HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}
#endif

class LargeFiles : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(LargeFiles, LoadInTimeAndMemoryProportionalToTheirSize) {
  const std::string bytes = GetParam().make();
  const FormatSettings format(u'.');
#ifdef ZIX_COUNT_HEAP
  const size_t before = HeapInUse();
#endif
  const auto start = std::chrono::steady_clock::now();
  const TMemIniFile ini(u"large.ini", format, bytes);
  const auto seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  // A linear load takes well under a second here, even under a sanitizer; anything worse than
  // linear takes hours on these inputs, so the bound cannot be met by chance.
  EXPECT_LT(seconds, 30.0);
  EXPECT_EQ(ini.ReadString(u"0", u"a", u"d"), ini.ReadString(u"0", u"a", u"d"));
#ifdef ZIX_COUNT_HEAP
  const size_t used = HeapInUse() - before;
  // A line costs one record of views, a section one record and two index entries, the text two
  // copies in UTF-16: a fixed multiple of the bytes, whatever their shape.
  EXPECT_LT(used, 32 * bytes.size() + (1u << 20)) << used << " bytes for " << bytes.size();
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, LargeFiles,
    ::testing::Values(
        ScaleCase{"a million sections", [] { return ManySections(1000000); }},
        ScaleCase{"a million key lines", [] { return "[0]\n" + Repeat("a=\n", 1000000); }},
        ScaleCase{"a million bare lines", [] { return "[0]\r" + Repeat("b\r", 1000000); }},
        ScaleCase{"one ten megabyte line", [] { return "[0]\na=" + std::string(10 << 20, 'v'); }},
        ScaleCase{"one ten megabyte header", [] { return "[" + std::string(10 << 20, 's') + "]"; }},
        ScaleCase{"random bytes", [] { return RandomBytes(4 << 20, ""); }},
        ScaleCase{"random utf-16", [] { return RandomBytes(4 << 20, "\xFF\xFE"); }},
        ScaleCase{"random after a utf-8 mark",
                  [] { return "\xEF\xBB\xBF" + Repeat("[s]\na=\xE6\xB8\xB8\n", 400000) + "\xFF"; }}));

TEST(LargeFileTest, TheLastOfAMillionSectionsIsFoundDirectly) {
  const FormatSettings format(u'.');
  const TMemIniFile ini(u"large.ini", format, ManySections(1000000) + "a=last\n");
  const auto start = std::chrono::steady_clock::now();
  for (int n = 0; n < 100000; ++n) ASSERT_EQ(ini.ReadString(u"999999", u"a", u"d"), u"last");
  EXPECT_EQ(ini.ReadString(u"1000000", u"a", u"d"), u"d");
  // Walking a million sections per read would take minutes for these reads.
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 30.0);
}

}  // namespace
}  // namespace zix
