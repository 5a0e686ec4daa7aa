// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's windows as single instances known by name. Loading a loaded
// window does nothing; unloading one that is not loaded, or that is already on
// its way out, does nothing; an unload runs the window's Form_Unload and then
// destroys it. When the last window goes, the program ends.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

namespace benchlist {

// One loaded window, as the model sees it.
class Form {
public:
    virtual ~Form() = default;

    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void MakeVisible() = 0;
    virtual void GiveFocus() = 0;

    // Ends the window's life. A window whose own handler may still be running
    // (a close box, a refresh button) overrides this to defer the deletion.
    virtual void Destroy() { delete this; }
};

class WindowModel {
public:
    using Factory = std::function<std::unique_ptr<Form>()>;
    using Observer = std::function<void(std::string_view name)>;

    WindowModel() = default;
    WindowModel(const WindowModel &) = delete;
    WindowModel &operator=(const WindowModel &) = delete;
    ~WindowModel();

    void Register(std::string_view name, Factory factory);

    int LoadedCount() const;
    // The window of that name while it is loaded, else null.
    Form *Find(std::string_view name) const;

    // Creates the window and runs its Form_Load unless it is loaded already.
    // Returns null only for a name that was never registered.
    Form *Load(std::string_view name);
    // Load, make visible, give the focus (which brings it to the front).
    void Show(std::string_view name);
    void Unload(std::string_view name);
    // Destroys whatever is still loaded without running any handler: for the
    // very end of the program, when its event loop has already stopped.
    void DestroyAll();

    // Runs after a window has been destroyed (tests record the order here).
    void SetUnloadObserver(Observer observer) { unloaded_ = std::move(observer); }
    void SetLastWindowGone(std::function<void()> handler) { lastWindowGone_ = std::move(handler); }

private:
    struct Entry {
        Factory factory;
        Form *form = nullptr;
        bool unloading = false;
    };

    const Entry *FindEntry(std::string_view name) const;
    Entry *FindEntry(std::string_view name);

    std::map<std::string, Entry, std::less<>> entries_;
    Observer unloaded_;
    std::function<void()> lastWindowGone_;
};

WindowModel &Forms();

} // namespace benchlist
