#pragma once

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

// The number at the start of a text; 0 when there is none. Text after the number is ignored.
template <class T> T StrToNumA(std::string text)
{
    std::stringstream in(text);
    in.imbue(std::locale::classic());
    T value = 0;
    in >> value;
    return value;
}
