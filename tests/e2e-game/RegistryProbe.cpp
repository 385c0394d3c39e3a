// SPDX-License-Identifier: GPL-3.0-or-later
// Asks the per-user window class registry from a separate process, as the pack remover does:
//   registry_probe CLASS   prints "yes" and exits 0 when a top-level window of CLASS is alive,
//                          prints "no" and exits 1 otherwise

#include <cstdio>

#include "platform/WindowClassRegistry.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: registry_probe CLASS\n");
        return 2;
    }
    const bool exists = TopLevelWindowOfClassExists(argv[1]);
    std::puts(exists ? "yes" : "no");
    return exists ? 0 : 1;
}
