// SPDX-FileCopyrightText: 2026 Veldmark
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Records uses into a store as the program does, one commit each, for the
// tests that run several writers at once or kill one in the middle.
//   usage_writer PATH COUNT NAME   COUNT uses of pages NAME/0, NAME/1, ...;
//                                  COUNT 0: until killed
// Prints the number of uses written after each one.
#include "usage/usagestore.h"

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: usage_writer PATH COUNT NAME\n");
        return 2;
    }
    benchlist::UsageStore store(argv[1]);
    const long count = std::strtol(argv[2], nullptr, 10);
    for (long i = 0; count == 0 || i < count; ++i) {
        const std::string page = std::string(argv[3]) + "/" + std::to_string(i);
        store.Record(
            {page, "http://www.veldmark.example/" + page, "query " + std::to_string(i % 7), 0});
        store.Flush();
        std::printf("%ld\n", i + 1);
        std::fflush(stdout);
    }
    return 0;
}
