#pragma once

#include <string>

std::string ExtractFileNameA(std::string path);
