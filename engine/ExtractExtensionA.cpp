#include "ExtractExtensionA.h"
std::string ExtractExtensionA(std::string) { return {}; }
