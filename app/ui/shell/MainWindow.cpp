#include "app/ui/shell/MainWindow.h"

using namespace Qt::Literals::StringLiterals;

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent)
{
    setWindowTitle(u"Xalto Station Control"_s);
    resize(960, 680);
}

MainWindow::~MainWindow() = default;
