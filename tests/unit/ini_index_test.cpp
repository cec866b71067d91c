#include "settings/ini_index.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zix {
namespace {

TEST(SectionIndexTest, FindsTheFirstSectionOfEachName) {
  const std::vector<std::u16string_view> names = {u"SET", u"1", u"", u"SET", u"2", u"1", u""};
  const SectionIndex index(names);
  EXPECT_EQ(index.Find(u"SET"), 0u);
  EXPECT_EQ(index.Find(u"1"), 1u);
  EXPECT_EQ(index.Find(u""), 2u);
  EXPECT_EQ(index.Find(u"2"), 4u);
  EXPECT_EQ(index.Find(u"3"), SectionIndex::kNone);
  EXPECT_EQ(index.Find(u"SE"), SectionIndex::kNone);
  EXPECT_EQ(index.Find(u"set"), SectionIndex::kNone);  // the caller upper-cases
}

TEST(SectionIndexTest, NoSectionsFindNothing) {
  const SectionIndex index({});
  EXPECT_EQ(index.Find(u""), SectionIndex::kNone);
  EXPECT_EQ(index.Find(u"SET"), SectionIndex::kNone);
}

TEST(SectionIndexTest, ManyNamesEachTwiceKeepTheirFirstSection) {
  constexpr uint32_t kCount = 50000;
  std::vector<std::u16string> storage;
  storage.reserve(2 * kCount);
  for (uint32_t round = 0; round < 2; ++round)
    for (uint32_t n = 0; n < kCount; ++n) {
      const std::string digits = std::to_string(n);
      storage.emplace_back(digits.begin(), digits.end());
    }
  const SectionIndex index(std::vector<std::u16string_view>(storage.begin(), storage.end()));
  for (uint32_t n = 0; n < kCount; ++n) ASSERT_EQ(index.Find(storage[n]), n);
  EXPECT_EQ(index.Find(u"50000"), SectionIndex::kNone);
  EXPECT_EQ(index.Find(u"00"), SectionIndex::kNone);
}

// "56979" and "77927" have the same 32-bit hash in the section index, so one is looked for in
// the slot of the other.
constexpr char16_t kName[] = u"56979";
constexpr char16_t kSameHash[] = u"77927";

TEST(SectionIndex, NamesThatShareAHashAreToldApart) {
  const SectionIndex one({kName});
  EXPECT_EQ(one.Find(kName), 0u);
  EXPECT_EQ(one.Find(kSameHash), SectionIndex::kNone);

  const SectionIndex both({kName, kSameHash});
  EXPECT_EQ(both.Find(kName), 0u);
  EXPECT_EQ(both.Find(kSameHash), 1u);
}

}  // namespace
}  // namespace zix
