#include "formmain.h"

#include <QDragEnterEvent>
#include <QDropEvent>

void FormMain::SetFields(QString) {}
void FormMain::source() {}
void FormMain::destination() {}
void FormMain::clear() {}
void FormMain::dragEnterEvent(QDragEnterEvent*) {}
void FormMain::dropEvent(QDropEvent*) {}
