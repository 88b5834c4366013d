#pragma once

// The icons compiled into the program. A static object registers them with the default mime-source
// factory before main runs and removes them after it returns; these calls are for code that needs
// to do so itself. Both are idempotent.
void qInitImages_Velkaro();
void qCleanupImages_Velkaro();
