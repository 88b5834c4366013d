#include "VerifyFileExA.h"
int VerifyFileExA(const char*) { return 2; }
