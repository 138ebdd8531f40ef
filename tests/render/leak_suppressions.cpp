// Mesa's offscreen driver keeps a record for every colour buffer it has drawn into until the
// process ends; that is not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\n"; }
