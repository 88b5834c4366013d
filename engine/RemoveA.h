#pragma once

bool RemoveA(const char* path, unsigned short passes);
