// QUANTIVEX: the compound-unit calculator.
#include <QApplication>

#include "main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("QUANTIVEX"));
    QApplication::setDesktopFileName(QStringLiteral("org.quantivex.Quantivex"));
    quantivex::MainWindow window;
    window.show();
    return QApplication::exec();
}
