// SPDX-License-Identifier: GPL-3.0-or-later
// Default options of the sanitizer runtimes, linked into every executable of the sanitizer
// build. Environment variables still override them.

extern "C" {

// Allocation stacks are taken with the slow unwinder, which also walks system libraries built
// without frame pointers, so a leak suppression below matches only the library that leaked.
const char* __asan_default_options() {
    return "detect_leaks=1:check_initialization_order=1:strict_init_order=1:"
           "detect_stack_use_after_return=1:fast_unwind_on_malloc=0";
}

const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }

// Quiet when nothing leaked: tests compare what the programs print.
const char* __lsan_default_options() { return "print_suppressions=0"; }

// Leaks inside system libraries that keep caches for the life of the process; our own code
// is never suppressed.
const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"               // SDL and GTK leave the session bus connected
           "leak:atk_bridge_adaptor_init\n";   // GTK's accessibility bridge
}
}
