#pragma once

bool VerifyFileA(const char* path);
