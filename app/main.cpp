// Starts Pantrova: one main window over the data file beside the program.
#include "main_window.h"
#include "translations.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pantrova"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pantrova.svg")));
    Translations::install(QLocale());
    MainWindow window(QCoreApplication::applicationDirPath());
    // Another Pantrova has this folder open; the window said so and shows nothing more.
    if (!window.ownsFolder())
        return 0;
    window.show();
    return QApplication::exec();
}
