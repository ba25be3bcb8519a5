// Tests of the message catalogs: the generated headers hold exactly the bytes typed in the
// catalogs, the hard cases of cmake/text_catalog.cmake's escaping, and the engine's own texts.
#include "tests/engine/text_catalog_test.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/texts.h"

namespace {

// Compares whole byte strings, so a lost or added byte shows, not only the first difference.
std::string bytes(const char* text) { return text; }

TEST(TextCatalog, WritesCxxEscapesBackAsTheCharactersTyped) {
  using namespace catalog_test::text;
  EXPECT_EQ(
      bytes(kQuoted),
      "\xd0\x9e\xd0\xbd \xd1\x81\xd0\xba\xd0\xb0\xd0\xb7\xd0\xb0\xd0\xbb \"\xd0\xb4\xd0\xb0\"");
  EXPECT_EQ(bytes(kBackslashN), "C:\\new\\table");
  EXPECT_EQ(bytes(kEndsInBackslash), "\xd0\xba\xd0\xbe\xd0\xbd\xd0\xb5\xd1\x86\\");
  EXPECT_EQ(bytes(kTabbed), "a\tb\r");
  EXPECT_EQ(bytes(kEmpty), "");
}

TEST(TextCatalog, KeepsNewlinesWhereverTheyStand) {
  using namespace catalog_test::text;
  EXPECT_EQ(bytes(kLines),
            "\xd0\xbf\xd0\xb5\xd1\x80\xd0\xb2\xd0\xb0\xd1\x8f\n\n"
            "\xd0\xb2\xd1\x82\xd0\xbe\xd1\x80\xd0\xb0\xd1\x8f\n");
  EXPECT_EQ(bytes(kOnlyNewlines), "\n\n");
}

TEST(TextCatalog, KeepsWhatCMakeWouldReadAsListsOrVariables) {
  using namespace catalog_test::text;
  EXPECT_EQ(bytes(kSemicolons), "a;b;;c;");
  EXPECT_EQ(bytes(kBracketed), "[a; b) [x;y] \xc2\xab;\xc2\xbb");
  EXPECT_EQ(bytes(kReferences), "${CMAKE_BINARY_DIR} @PROJECT_NAME@ $ENV{HOME}");
  EXPECT_EQ(bytes(kUnicodeEscape), "\xc2\xabx\xc2\xbb");
}

// An alias is the other constant itself; clang refuses to compare two distinct literals here.
static_assert(catalog_test::text::kAlias == catalog_test::text::kSemicolons);

TEST(TextCatalog, EngineTextsKeepTheirBytes) {
  using namespace engine::text;
  EXPECT_EQ(bytes(kReadStoppedMiddle), " \xd0\xbd\xd0\xb0 \xc2\xab");  // " на «"
  EXPECT_EQ(bytes(kReadStoppedSuffix), "\xc2\xbb");
  EXPECT_EQ(bytes(kEstimatesDeviation), "   b=S=");
  EXPECT_EQ(bytes(kDegreesOfFreedom), "-3)= ");
  EXPECT_EQ(bytes(kResultNotBelow), " \xe2\x89\xa5 Xk = ");  // " ≥ Xk = "
  EXPECT_EQ(
      bytes(kNotANumber),
      "\xc2\xab%1\xc2\xbb \xd0\xbd\xd0\xb5 \xd1\x8f\xd0\xb2\xd0\xbb\xd1\x8f\xd0\xb5\xd1\x82\xd1"
      "\x81\xd1\x8f \xd0\xbf\xd1\x80\xd0\xb0\xd0\xb2\xd0\xb8\xd0\xbb\xd1\x8c\xd0\xbd\xd1\x8b\xd0"
      "\xbc \xd1\x87\xd0\xb8\xd1\x81\xd0\xbb\xd0\xbe\xd0\xbc");
}

}  // namespace
