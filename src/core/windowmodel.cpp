// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/windowmodel.h"

#include <algorithm>
#include <utility>

namespace benchlist {

WindowModel::~WindowModel()
{
    DestroyAll();
}

void WindowModel::DestroyAll()
{
    for (auto &[name, entry] : entries_) {
        if (Form *form = std::exchange(entry.form, nullptr))
            delete form;
    }
}

void WindowModel::Register(std::string_view name, Factory factory)
{
    entries_[std::string(name)].factory = std::move(factory);
}

const WindowModel::Entry *WindowModel::FindEntry(std::string_view name) const
{
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

WindowModel::Entry *WindowModel::FindEntry(std::string_view name)
{
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

int WindowModel::LoadedCount() const
{
    return static_cast<int>(std::count_if(entries_.begin(), entries_.end(),
                                          [](const auto &item) { return item.second.form; }));
}

Form *WindowModel::Find(std::string_view name) const
{
    const Entry *entry = FindEntry(name);
    return entry ? entry->form : nullptr;
}

Form *WindowModel::Load(std::string_view name)
{
    Entry *entry = FindEntry(name);
    if (!entry || !entry->factory)
        return nullptr;
    if (!entry->form) {
        entry->form = entry->factory().release();
        entry->form->Form_Load();
    }
    return entry->form;
}

void WindowModel::Show(std::string_view name)
{
    if (Form *form = Load(name)) {
        form->MakeVisible();
        form->GiveFocus();
    }
}

void WindowModel::Unload(std::string_view name)
{
    Entry *entry = FindEntry(name);
    if (!entry || !entry->form || entry->unloading)
        return;
    entry->unloading = true;
    entry->form->Form_Unload();
    // Form_Unload may not cancel, so the window goes whatever it did.
    Form *form = std::exchange(entry->form, nullptr);
    entry->unloading = false;
    form->Destroy();
    if (unloaded_)
        unloaded_(name);
    if (LoadedCount() == 0 && lastWindowGone_)
        lastWindowGone_();
}

WindowModel &Forms()
{
    static WindowModel model;
    return model;
}

} // namespace benchlist
