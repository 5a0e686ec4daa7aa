// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Debian's shared utf8proc, loaded when find first folds a letter beyond
// ASCII, not as the program starts: a start that searches for nothing spends
// nothing on it, and the library is still Debian's own, with its fixes. The
// few functions folding calls are defined here and hand each call on to the
// library's own, looked up once. Without the library such a letter reads as
// undecodable, so it separates words as any other undecodable byte does, and
// plain ASCII is still found.
#include <utf8proc.h>

#include "base/ondemand.h"

#include <dlfcn.h>

#include <cstdio>

namespace {

// Opened once for every function, on the first call of any.
void *Library()
{
    static void *const library = [] {
        void *opened = dlopen("libutf8proc.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!opened)
            std::fprintf(stderr, "benchlist: %s; find reads letters beyond ASCII as separators\n",
                         dlerror());
        return opened;
    }();
    return library;
}

} // namespace

utf8proc_ssize_t utf8proc_iterate(const utf8proc_uint8_t *str, utf8proc_ssize_t strlen,
                                  utf8proc_int32_t *codepoint_ref)
{
    *codepoint_ref = -1;
    BENCHLIST_HAND_ON(Library(), utf8proc_iterate, UTF8PROC_ERROR_INVALIDUTF8, str, strlen,
                      codepoint_ref);
}

utf8proc_ssize_t utf8proc_encode_char(utf8proc_int32_t codepoint, utf8proc_uint8_t *dst)
{
    BENCHLIST_HAND_ON(Library(), utf8proc_encode_char, 0, codepoint, dst);
}

utf8proc_ssize_t utf8proc_decompose_char(utf8proc_int32_t codepoint, utf8proc_int32_t *dst,
                                         utf8proc_ssize_t bufsize, utf8proc_option_t options,
                                         int *last_boundclass)
{
    BENCHLIST_HAND_ON(Library(), utf8proc_decompose_char, UTF8PROC_ERROR_NOTASSIGNED, codepoint,
                      dst, bufsize, options, last_boundclass);
}

utf8proc_category_t utf8proc_category(utf8proc_int32_t codepoint)
{
    BENCHLIST_HAND_ON(Library(), utf8proc_category, UTF8PROC_CATEGORY_CN, codepoint);
}
