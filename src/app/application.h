#pragma once

#include <filesystem>
#include <memory>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "platform/desktop.h"
#include "platform/form.h"
#include "platform/user_settings.h"

namespace lumbrix {

// The running program: its installation folder, its desktop and every window. A window is
// created and loaded when something first reaches for it, shown or not; once unloaded, the
// next use loads a fresh window with its design values.
class Application {
  public:
    Application(Desktop& desktop, std::filesystem::path installFolder);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    Desktop& desktop() const { return desktop_; }
    // The folder that holds the program and its shipped content.
    const std::filesystem::path& installFolder() const { return installFolder_; }
    // The planner's own settings (values of section "Settings"), kept across runs.
    UserSettings& userSettings() { return userSettings_; }

    // The window of type W, loaded on first use. W is constructed as W(Application&).
    template <class W>
    W& window() {
        const std::type_index key(typeid(W));
        auto it = windows_.find(key);
        if (it != windows_.end() && it->second->isLoaded()) return static_cast<W&>(*it->second);
        if (it != windows_.end()) retire(std::move(it->second));
        auto created = std::make_unique<W>(*this);
        W& w = *created;
        windows_[key] = std::move(created);
        w.load();
        return w;
    }

    // The window of type W when it is loaded; null otherwise (nothing is loaded).
    template <class W>
    W* loadedWindow() const {
        auto it = windows_.find(std::type_index(typeid(W)));
        if (it == windows_.end() || !it->second->isLoaded()) return nullptr;
        return static_cast<W*>(it->second.get());
    }

    template <class W>
    bool isLoaded() const {
        return loadedWindow<W>() != nullptr;
    }

    // Every loaded window, in no particular order.
    std::vector<Form*> loadedWindows() const;

  private:
    // Keeps an unloaded window alive until no handler runs, since code that unloaded it may
    // still hold it.
    void retire(std::unique_ptr<Form> window);

    Desktop& desktop_;
    std::filesystem::path installFolder_;
    UserSettings userSettings_;
    std::unordered_map<std::type_index, std::unique_ptr<Form>> windows_;
    std::vector<std::unique_ptr<Form>> retired_;
};

}  // namespace lumbrix
