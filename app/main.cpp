#include "app/ui/shell/Application.h"

int main(int argc, char* argv[])
{
    if (const std::optional<int> answered = Application::answerWithoutDisplay(argc, argv)) {
        return *answered;
    }
    Application application(argc, argv);
    return application.run();
}
