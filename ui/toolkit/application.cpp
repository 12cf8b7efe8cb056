// What every back end's application shares: the report of a failure a handler let through.
#include "ui/toolkit/application.h"

#include <cstdio>
#include <utility>

#include "ui/toolkit/backend.h"

namespace toolkit {

namespace {

std::function<void(const std::string&)>& failureReport() {
    static std::function<void(const std::string&)> report;
    return report;
}

}  // namespace

void Application::setFailureReport(std::function<void(const std::string& text)> report) {
    failureReport() = std::move(report);
}

void Application::reportFailure(const std::string& text) noexcept {
    try {
        if (failureReport()) return failureReport()(text);
        std::fprintf(stderr, "quorvel: %s\n", text.c_str());
        backend::showFailure(text);
    } catch (...) {
        std::fputs("quorvel: a failure could not be shown\n", stderr);
    }
}

}  // namespace toolkit
