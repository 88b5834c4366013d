#include "formmain.h"

void FormMain::split() {}
void FormMain::build() {}
