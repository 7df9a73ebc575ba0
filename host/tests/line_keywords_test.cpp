#include "host/line_keywords.h"

#include <gtest/gtest.h>

namespace {

using morven::host::AttributeKind;

TEST(LineKeywordsTest, FirstTokenSplitsLikeTheReader) {
  struct Case {
    std::string line;
    std::string token;
  };
  const Case cases[] = {
      {"hk 30", "hk"},
      {"   hk\t30", "hk"},
      {"cn\"$<font name>", "cn$<font name>"},
      {"file=C:\\a b.drw", "file=C:\\a b.drw"},
      {"lg3\r", "lg3"},
      {"\x82\x20x y", "\x82\x20x"},  // a lead byte takes the next byte, even a blank
      {"ab\x82", "ab"},              // a lone lead byte at the end is dropped
      {"", ""},
      {"   ", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(morven::host::FirstToken(c.line), c.token) << c.line;
}

TEST(LineKeywordsTest, HostHeaderTokens) {
  for (const char* token : {"hk", "hs", "hzs", "hcw", "hch", "hcd", "hcc", "bz", "hn", "hp1",
                            "hp2ln", "hhp3", "file=x"}) {
    EXPECT_TRUE(morven::host::IsHostHeaderToken(token)) << token;
  }
  for (const char* token : {"hq", "lg0", "cn1", "msg", "cs", "pt", "z3", "0", "hkx"}) {
    EXPECT_FALSE(morven::host::IsHostHeaderToken(token)) << token;
  }
}

TEST(LineKeywordsTest, AttributeTokens) {
  struct Case {
    const char* token;
    std::optional<AttributeKind> kind;
  };
  const Case cases[] = {
      {"lg0", AttributeKind::LayerGroup},
      {"lgnWalls", std::nullopt},
      {"ly2", AttributeKind::Layer},
      {"lynDoors", std::nullopt},
      {"lc10", AttributeKind::LineColor},
      {"lt3", AttributeKind::LineType},
      {"lw0", AttributeKind::LineWidth},
      {"pn1", AttributeKind::PenColor},
      {"cn$<x>", AttributeKind::FontName},
      {"cn0", AttributeKind::TextType},
      {"cs", std::nullopt},
      {"z3", std::nullopt},
      {"lgfile=x", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(morven::host::AttributeOfToken(c.token), c.kind) << c.token;
}

}  // namespace
