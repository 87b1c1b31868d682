// A wrong IFC-67 library for the start-up test of the program: it carries the library's file
// and shared-object names but only the version function, so every other import is missing.
extern "C" __attribute__((visibility("default"))) double Stm67Ver() { return 1.1; }
