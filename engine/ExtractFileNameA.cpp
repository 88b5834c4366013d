#include "ExtractFileNameA.h"
std::string ExtractFileNameA(std::string path) { return path; }
