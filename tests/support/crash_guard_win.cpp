#include "tests/support/crash_guard_win.h"

#include <windows.h>

#include <cstdio>

namespace varnel::test {

namespace {

LONG WINAPI OnUnhandledException(EXCEPTION_POINTERS* info) {
    std::fprintf(stderr, "crash: exception 0x%08lX at %p\n",
                 static_cast<unsigned long>(info->ExceptionRecord->ExceptionCode),
                 info->ExceptionRecord->ExceptionAddress);
    std::fflush(stderr);
    TerminateProcess(GetCurrentProcess(), 3);
    return EXCEPTION_EXECUTE_HANDLER;
}

} // namespace

void InstallCrashGuard() {
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX);
    SetUnhandledExceptionFilter(OnUnhandledException);
}

} // namespace varnel::test
