#include "TrimA.h"

// Exactly these five bytes; vertical tab is deliberately not among them.
bool IsWhite(char byte)
{
    return byte == ' ' || byte == '\t' || byte == '\r' || byte == '\f' || byte == '\n';
}

void TrimA(std::string& text)
{
    if (text.empty())
        return;
    if (!IsWhite(text.front()) && !IsWhite(text.back()))
        return;

    std::string::size_type first = 0;
    while (first < text.size() && IsWhite(text[first]))
        ++first;
    if (first == text.size()) {
        text.clear();
        return;
    }
    std::string::size_type last = text.size() - 1;
    while (IsWhite(text[last]))
        --last;
    text = text.substr(first, last - first + 1);
}
