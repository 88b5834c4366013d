#pragma once

#include <algorithm>
#include <locale>
#include <sstream>
#include <string>

// Decimal text of a number: ASCII digits, no grouping, whatever the user's locale.
template <class T> std::string NumToStrA(T value)
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

// The longest number at the start of a text, after any white space: sign, digits, point, digits,
// and an exponent only when it has digits of its own, so "5e" reads as 5 where the stream alone
// would refuse it as a whole. 0 when the text does not begin with a number; text after the number
// is ignored. Only ASCII counts, whatever the user's locale.
template <class T> T StrToNumA(std::string text)
{
    std::string::size_type at = std::min(text.find_first_not_of(" \t\n\v\f\r"), text.size());
    const std::string::size_type start = at;
    const auto skipSign = [&text, &at] {
        if (at < text.size() && (text[at] == '+' || text[at] == '-'))
            ++at;
    };
    const auto skipDigits = [&text, &at] {
        const std::string::size_type first = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at - first;
    };

    skipSign();
    std::string::size_type digits = skipDigits();
    if (at < text.size() && text[at] == '.') {
        ++at;
        digits += skipDigits();
    }
    if (digits == 0)
        return 0;
    std::string::size_type end = at;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        ++at;
        skipSign();
        if (skipDigits() > 0)
            end = at;
    }

    std::istringstream in(text.substr(start, end - start));
    in.imbue(std::locale::classic());
    T value = 0;
    in >> value;
    return value;
}
