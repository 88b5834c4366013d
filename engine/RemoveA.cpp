#include "RemoveA.h"
bool RemoveA(const char*, unsigned short) { return false; }
