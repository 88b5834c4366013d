#pragma once

#include <string>

std::string ExtractExtensionA(std::string path);
