// Sanitizer settings built into the test program, so that every way of
// running it (ctest, test discovery, by hand) uses the same ones.
extern "C" {
const char* __asan_default_options() { return "detect_leaks=1:abort_on_error=0"; }
// The leak checker's walk of dynamically loaded thread-local storage reads
// this glibc's thread vectors wrongly and crashes at exit once an image
// plugin with thread-local data has been loaded; static roots, stacks and
// registers are still scanned.
const char* __lsan_default_options() { return "use_tls=0"; }
const char* __ubsan_default_options() { return "print_stacktrace=1:halt_on_error=1"; }
// Qt, fontconfig, the graphics stack and the print system keep caches alive
// until exit (the print system in thread-local storage, which is not scanned);
// a library loaded at run time keeps its dependency list in the loader's own
// memory, which is not scanned either.
const char* __lsan_default_suppressions() {
    return "leak:libQt6\n"
           "leak:libfontconfig\n"
           "leak:libfreetype\n"
           "leak:libglib\n"
           "leak:libgobject\n"
           "leak:libdbus\n"
           "leak:libEGL\n"
           "leak:libGLX\n"
           "leak:libxcb\n"
           "leak:libX11\n"
           "leak:libcups\n"
           "leak:_dl_map_object_deps\n";
}
}
