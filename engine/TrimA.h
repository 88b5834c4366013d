#pragma once

#include <string>

// Takes white space away at both ends of `text`.
void TrimA(std::string& text);

// White space, for TrimA and every name rule built on it: space, tab, carriage return, form feed
// and line feed.
bool IsWhite(char byte);
