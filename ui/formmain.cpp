#include "formmain.h"

const QString FormMain::WINDOWS_REGISTRY = QStringLiteral("/Ostrevan Software");
const QString FormMain::APP_KEY = QStringLiteral("/Velkaro/");

FormMain::FormMain(QWidget* parent, const char* name, Qt::WindowFlags fl)
    : QMainWindow(parent, fl)
{
    setObjectName(name ? name : "FormMain");
    languageChange();
    resize(428, 279);
    init();
}

FormMain::~FormMain() = default;

void FormMain::languageChange()
{
    setWindowTitle(tr("Velkaro v1.0.90 Beta 2"));
}
