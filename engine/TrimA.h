#pragma once

#include <string>

void TrimA(std::string& text);
