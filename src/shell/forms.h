// Teaches the window model every window of the program by name.
#pragma once

#include "forms/windowmodel.h"

namespace benchlist {

void RegisterForms(WindowModel &model);

} // namespace benchlist
