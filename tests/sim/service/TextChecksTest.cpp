#include "accounts/TextChecks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using sim::isPrintableUtf8;

TEST(TextChecksTest, PrintableUtf8AcceptsEveryPlaneUpToItsLastCodePoint) {
    for (const std::string& text :
         std::vector<std::string>{"", "Danh mục chính", " ~", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xEE\x80\x80",
                                  "\xEF\xBF\xBD", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF"}) {
        EXPECT_TRUE(isPrintableUtf8(text)) << text;
    }
}

TEST(TextChecksTest, PrintableUtf8RefusesMalformedSequences) {
    for (const std::string& text : std::vector<std::string>{
             "\x80", "a\xBF", "\xC0\x80", "\xC1\xBF", "\xC3", "\xC3(", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xED\xBF\xBF",
             "\xE1\xBB", "\xF0\x8F\xBF\xBF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xF8\x88\x80\x80\x80", "\xFF"}) {
        EXPECT_FALSE(isPrintableUtf8(text)) << testing::PrintToString(text);
    }
}

TEST(TextChecksTest, PrintableUtf8RefusesControlCharacters) {
    for (const std::string& text :
         std::vector<std::string>{std::string("a\0b", 3), "\t", "\n", "\r", "a\x1F", "\x7F", "Đầu tư\x1B[31m"}) {
        EXPECT_FALSE(isPrintableUtf8(text)) << testing::PrintToString(text);
    }
}

} // namespace
