#include "formmain.h"

void FormMain::manual() {}
void FormMain::about() {}
