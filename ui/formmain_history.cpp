#include "formmain.h"

void FormMain::AddUniqueComboListItem(QComboBox*, int) {}
void FormMain::AddUniqueComboListItem(QComboBox*, const char*, int) {}
QString FormMain::GetNumStr(const char*) { return {}; }
QStringList FormMain::GetComboList(QComboBox*) { return {}; }
void FormMain::SetComboList(QComboBox*, QStringList&) {}
