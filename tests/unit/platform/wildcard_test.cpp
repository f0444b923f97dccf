#include <gtest/gtest.h>

#include "platform/file_system.h"

namespace bingo {
namespace {

TEST(Wildcard, MatchesWindowsPatternsCaseInsensitively) {
  const std::tuple<const char*, const char*, bool> rows[] = {
      // pattern, name, matches
      {"??????N*.DG", "150101N1.DG", true},
      {"??????N*.DG", "150101n1.dg", true},
      {"??????N*.DG", "15010N1.DG", false},
      {"??????N*.DG", "150101N1.DGX", false},
      {"*", "", true},
      {"a*b*c", "aXXbYYc", true},
      {"a*b*c", "aXXbYY", false},
      {"??????N*.DG", "150101N.DG", true},
  };
  for (const auto& [pattern, name, match] : rows)
    EXPECT_EQ(wildcardMatch(pattern, name), match) << pattern << " " << name;
}

}  // namespace
}  // namespace bingo
