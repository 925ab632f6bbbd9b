// LeakSanitizer's list of leaks that are not ours: fontconfig keeps a
// little of what it read from its configuration files for good, and the
// pictures draw with the fonts it finds.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }
