#include "ui/toolkit/application.h"

#include "ui/toolkit/null/native.h"

namespace toolkit {

struct Application::Native {};

Application::Application(int& /*argc*/, char** /*argv*/, const ApplicationInfo& /*info*/)
    : native_(std::make_unique<Native>()) {}

Application::~Application() = default;

// No window system sends input: what is posted runs, and the loop ends.
int Application::exec() {
    runPosted();
    return 0;
}

}  // namespace toolkit
