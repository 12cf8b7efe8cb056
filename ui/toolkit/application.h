#pragma once

#include <functional>
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

    // What becomes of a failure a handler let through. The toolkit stops it where it called
    // the handler, and the event loop goes on; the report is a line on standard error and a
    // box with the failure's text in front of the windows. A test may put its own in place.
    static void setFailureReport(std::function<void(const std::string& text)> report);
    static void reportFailure(const std::string& text) noexcept;

  private:
    struct Native;
    std::unique_ptr<Native> native_;
};

}  // namespace toolkit
