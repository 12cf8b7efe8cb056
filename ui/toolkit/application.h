#pragma once

#include <memory>
#include <string>

namespace toolkit {

// What the program tells the window system about itself.
struct ApplicationInfo {
    std::string name;         // "Quorvel"
    std::string version;      // "0.9.0"
    std::string desktopName;  // the launcher's entry, "org.quorvel.Quorvel"
};

// The windowing toolkit's session: created first, its event loop run until the last window
// closes. A session that cannot reach a display ends the program with a one-line message.
class Application {
  public:
    Application(int& argc, char** argv, const ApplicationInfo& info);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    int exec();

  private:
    struct Native;
    std::unique_ptr<Native> native_;
};

}  // namespace toolkit
