#include "VerifyFileA.h"
#include "formmain.h"

#include <QApplication>
#include <QFile>

int main(int argc, char* argv[])
{
    // The application object takes its own options (-style, -platform, ...) out of argc and argv,
    // so what is left is the program name and the program's own arguments, still the very bytes the
    // process received: a file name that is not valid in the locale's encoding is tested as it is.
    const QApplication app(argc, argv);
    // Destroyed before the application object on every way out, the early return included.
    FormMain window(nullptr, nullptr, Qt::Window);

    if (argc == 2) {
        const char* const path = argv[1];
        if (!VerifyFileA(path)) {
            QApplication::beep();
            return 1;
        }
        window.SetFields(QFile::decodeName(path));
    }

    window.manualPath = QCoreApplication::applicationDirPath() + QStringLiteral("/Manual.html");
    window.show();
    return QApplication::exec();
}
