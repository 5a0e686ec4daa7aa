# SPDX-FileCopyrightText: 2026 Veldmark
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Text as the table generators write it into C++."""


def cpp_string(text):
    """A C++ string literal of `text`'s UTF-8 bytes, ASCII as it is."""
    out = '"'
    for byte in text.encode("utf-8"):
        char = chr(byte)
        if char in '"\\':
            out += "\\" + char
        elif 32 <= byte < 127:
            out += char
        else:
            out += '\\x%02x""' % byte  # a string break ends the escape
    return out + '"'
