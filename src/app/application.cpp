#include "app/application.h"

#include "platform/event_runtime.h"

namespace lumbrix {

Application::Application(Desktop& desktop, std::filesystem::path installFolder)
    : desktop_(desktop),
      installFolder_(std::move(installFolder)),
      userSettings_(desktop.userSettingsPath()) {}

Application::~Application() {
    // The desktop lets go of every window that is still loaded while its controls exist.
    for (const auto& [key, w] : windows_) {
        if (w->isLoaded()) desktop_.windowUnloaded(*w);
    }
    retired_.clear();
    windows_.clear();
}

std::vector<Form*> Application::loadedWindows() const {
    std::vector<Form*> result;
    for (const auto& [key, w] : windows_) {
        if (w->isLoaded()) result.push_back(w.get());
    }
    return result;
}

void Application::retire(std::unique_ptr<Form> window) {
    retired_.push_back(std::move(window));
    if (runtime::handlerDepth() > 0) runtime::whenIdle([this] { retired_.clear(); });
}

}  // namespace lumbrix
