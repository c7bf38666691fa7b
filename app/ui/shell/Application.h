#pragma once

#include <QApplication>

#include <memory>

class MainWindow;

// The application object: names the program, builds the main window and runs the event loop.
class Application final : public QApplication {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(Application)

public:
    Application(int& argc, char** argv);
    ~Application() override;

    int run();

private:
    std::unique_ptr<MainWindow> m_mainWindow;
};
