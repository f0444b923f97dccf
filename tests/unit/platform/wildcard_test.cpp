#include <gtest/gtest.h>

#include "platform/file_system.h"

namespace bingo {
namespace {

TEST(Wildcard, MatchesWindowsPatternsCaseInsensitively) {
  struct Row {
    const char* pattern;
    const char* name;
    bool match;
  };
  const Row rows[] = {
      {"??????N*.DG", "150101N1.DG", true},
      {"??????N*.DG", "150101n1.dg", true},
      {"??????N*.DG", "15010N1.DG", false},
      {"??????N*.DG", "150101N1.DGX", false},
      {"*", "", true},
      {"a*b*c", "aXXbYYc", true},
      {"a*b*c", "aXXbYY", false},
      {"??????N*.DG", "150101N.DG", true},
  };
  for (const auto& row : rows)
    EXPECT_EQ(wildcardMatch(row.pattern, row.name), row.match) << row.pattern << " " << row.name;
}

}  // namespace
}  // namespace bingo
