#include "ExtractExtensionA.h"
#include "ExtractFileNameA.h"
#include "NumStrA.h"
#include "TrimA.h"

#include <gtest/gtest.h>
#include <locale>

namespace {

struct TextCase
{
    std::string input;
    std::string expected;
};

void PrintTo(const TextCase& c, std::ostream* out)
{
    *out << testing::PrintToString(c.input);
}

class TrimATest : public testing::TestWithParam<TextCase>
{
};

TEST_P(TrimATest, CutsOnlyTheFiveWhiteSpaceBytesAtBothEnds)
{
    std::string text = GetParam().input;
    TrimA(text);
    EXPECT_EQ(text, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, TrimATest,
    testing::Values(TextCase {"", ""}, TextCase {"word", "word"}, TextCase {"  word \n", "word"},
        TextCase {" \t\r\f\n", ""}, TextCase {"\tin side\r", "in side"},
        TextCase {"\vword\v", "\vword\v"}, TextCase {" \vword\v ", "\vword\v"},
        TextCase {std::string("\0 a", 3), std::string("\0 a", 3)}));

class ExtractFileNameATest : public testing::TestWithParam<TextCase>
{
};

TEST_P(ExtractFileNameATest, KeepsTheTrimmedLastComponent)
{
    EXPECT_EQ(ExtractFileNameA(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, ExtractFileNameATest,
    testing::Values(TextCase {"dir/sub/name.c1", "name.c1"},
        TextCase {"x\\y\\file.txt", "file.txt"}, TextCase {"a\\b/c", "c"}, TextCase {"a/b\\c", "c"},
        TextCase {"dir/", ""}, TextCase {"name", "name"}, TextCase {"dir/ name", "name"},
        TextCase {"dir/..", ".."}));

class ExtractExtensionATest : public testing::TestWithParam<TextCase>
{
};

TEST_P(ExtractExtensionATest, TakesWhatFollowsTheLastDotOfTheName)
{
    EXPECT_EQ(ExtractExtensionA(GetParam().input), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Paths, ExtractExtensionATest,
    testing::Values(TextCase {"a.tar.c3", "c3"}, TextCase {"dir.c1/file", ""},
        TextCase {"dir.c1\\file", ""}, TextCase {"file.", ""}, TextCase {".c0", "c0"},
        TextCase {"F.C1", "C1"}, TextCase {"x.c1 ", "c1"}, TextCase {"x. c1\n", "c1"},
        TextCase {"noextension", ""}));

// Grouping digits by threes and a comma for a decimal point: what a user's locale may do.
class GroupingPunctuation : public std::numpunct<char>
{
protected:
    char do_thousands_sep() const override { return '.'; }
    char do_decimal_point() const override { return ','; }
    std::string do_grouping() const override { return "\3"; }
};

class GlobalLocaleGuard
{
public:
    explicit GlobalLocaleGuard(const std::locale& locale)
        : previous(std::locale::global(locale)) { }
    ~GlobalLocaleGuard() { std::locale::global(previous); }

private:
    std::locale previous;
};

TEST(NumToStrA, WritesPlainDecimalWhateverTheLocale)
{
    const GlobalLocaleGuard guard(std::locale(std::locale::classic(), new GroupingPunctuation));
    EXPECT_EQ(NumToStrA(0ul), "0");
    EXPECT_EQ(NumToStrA(10ul), "10");
    EXPECT_EQ(NumToStrA(1457664ul), "1457664");
    EXPECT_EQ(NumToStrA(4294967295ul), "4294967295");
}

struct NumberCase
{
    std::string text;
    double expected;
};

void PrintTo(const NumberCase& c, std::ostream* out)
{
    *out << testing::PrintToString(c.text);
}

class StrToNumATest : public testing::TestWithParam<NumberCase>
{
};

TEST_P(StrToNumATest, ReadsTheLeadingNumberWhateverTheLocale)
{
    const GlobalLocaleGuard guard(std::locale(std::locale::classic(), new GroupingPunctuation));
    EXPECT_DOUBLE_EQ(StrToNumA<double>(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Texts, StrToNumATest,
    testing::Values(NumberCase {"1457664", 1457664}, NumberCase {"0700", 700},
        NumberCase {"700.500", 700.5}, NumberCase {"2.5e3", 2500}, NumberCase {"-3", -3},
        NumberCase {"0.25", 0.25}, NumberCase {" 12abc", 12}, NumberCase {"1,5", 1},
        NumberCase {"", 0}, NumberCase {"abc", 0}, NumberCase {"0", 0}));

// An exponent or point still being typed leaves the number before it.
INSTANTIATE_TEST_SUITE_P(PartlyTyped, StrToNumATest,
    testing::Values(NumberCase {"5e", 5}, NumberCase {"5e+", 5}, NumberCase {"-.5e-1x", -0.05},
        NumberCase {"+2E2e3", 200}, NumberCase {"7.", 7}, NumberCase {".e5", 0}));

} // namespace
