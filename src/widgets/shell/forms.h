// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Teaches the window model every window of the program by name, and the
// accessibility layer how to describe the program's own kinds of window and control.
#pragma once

#include "core/windowmodel.h"

namespace benchlist {

void RegisterForms(WindowModel &model);

} // namespace benchlist
