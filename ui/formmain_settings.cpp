#include "formmain.h"

#include <QApplication>
#include <QCloseEvent>

void FormMain::init() { LoadSettings(); }
void FormMain::LoadSettings() {}
void FormMain::SaveSettings() {}
void FormMain::closeEvent(QCloseEvent*)
{
    SaveSettings();
    QApplication::exit(0);
}
