#include "TrimA.h"
void TrimA(std::string&) {}
