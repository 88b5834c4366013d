#include "VerifyFileA.h"
bool VerifyFileA(const char*) { return false; }
