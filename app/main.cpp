#include "formmain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FormMain window(nullptr, nullptr, Qt::Window);
    window.manualPath = QApplication::applicationDirPath() + "/Manual.html";
    window.show();
    return app.exec();
}
