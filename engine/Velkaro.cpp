#include "Velkaro.h"
unsigned long Velkaro::IsPck(std::string) { return 0; }
bool Velkaro::Split(std::string, std::string, std::uint32_t, bool) { return false; }
bool Velkaro::Build(std::string, std::string, bool) { return false; }
