#pragma once

int VerifyFileExA(const char* path);
