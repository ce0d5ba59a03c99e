#include "tests/support/run_process.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <thread>

namespace varnel::test {

namespace {

std::wstring Widen(std::string_view utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

// Quotes one argument the way CommandLineToArgvW splits it again.
void AppendQuoted(std::wstring& line, const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) {
        line += arg;
        return;
    }
    line += L'"';
    for (auto it = arg.begin();; ++it) {
        std::size_t backslashes = 0;
        while (it != arg.end() && *it == L'\\') {
            ++it;
            ++backslashes;
        }
        if (it == arg.end()) {
            line.append(backslashes * 2, L'\\');
            break;
        }
        if (*it == L'"') {
            line.append(backslashes * 2 + 1, L'\\');
        } else {
            line.append(backslashes, L'\\');
        }
        line += *it;
    }
    line += L'"';
}

std::wstring CommandLine(const std::vector<std::string>& args) {
    std::wstring line;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i > 0) {
            line += L' ';
        }
        AppendQuoted(line, Widen(i == 0 ? ProgramPath(args[0]) : args[i]));
    }
    return line;
}

// Wine now and then loses a child before it reaches its entry point and reports
// ERROR_INTERNAL_ERROR; the program under test never ran, so starting it again is safe.
// Any other error, or the same one repeated, is a real failure.
BOOL CreateDetachedProcess(std::wstring& line, BOOL inheritHandles, STARTUPINFOW& startup,
                           PROCESS_INFORMATION& info) {
    constexpr int kAttempts = 3;
    for (int attempt = 1;; ++attempt) {
        if (CreateProcessW(nullptr, line.data(), nullptr, nullptr, inheritHandles, DETACHED_PROCESS,
                           nullptr, nullptr, &startup, &info)) {
            return TRUE;
        }
        if (GetLastError() != ERROR_INTERNAL_ERROR || attempt == kAttempts) {
            return FALSE;
        }
        Sleep(100);
    }
}

void DrainPipe(HANDLE pipe, std::string& into) {
    char buffer[65536];
    DWORD n = 0;
    while (ReadFile(pipe, buffer, sizeof buffer, &n, nullptr) && n > 0) {
        into.append(buffer, n);
    }
}

} // namespace

ProcessResult RunProcess(const std::vector<std::string>& args, std::string_view stdinData) {
    ProcessResult result;
    SECURITY_ATTRIBUTES inherit{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE inRead, inWrite, outRead, outWrite, errRead, errWrite;
    if (!CreatePipe(&inRead, &inWrite, &inherit, 0) ||
        !CreatePipe(&outRead, &outWrite, &inherit, 0) ||
        !CreatePipe(&errRead, &errWrite, &inherit, 0)) {
        ADD_FAILURE() << "CreatePipe failed";
        return result;
    }
    SetHandleInformation(inWrite, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION info{};
    std::wstring line = CommandLine(args);
    // Detached: no console, so Wine starts no conhost that would inherit (and hold open) the
    // pipes of the test runner.
    const BOOL started = CreateDetachedProcess(line, TRUE, startup, info);
    CloseHandle(inRead);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (!started) {
        ADD_FAILURE() << "cannot start " << args[0] << ": error " << GetLastError();
        CloseHandle(inWrite);
        CloseHandle(outRead);
        CloseHandle(errRead);
        return result;
    }
    std::thread outReader(DrainPipe, outRead, std::ref(result.out));
    std::thread errReader(DrainPipe, errRead, std::ref(result.err));
    std::size_t written = 0;
    while (written < stdinData.size()) {
        DWORD n = 0;
        const auto chunk =
            static_cast<DWORD>(std::min<std::size_t>(stdinData.size() - written, 1 << 20));
        if (!WriteFile(inWrite, stdinData.data() + written, chunk, &n, nullptr)) {
            break;
        }
        written += n;
    }
    CloseHandle(inWrite);
    WaitForSingleObject(info.hProcess, INFINITE);
    outReader.join();
    errReader.join();
    DWORD code = 0;
    GetExitCodeProcess(info.hProcess, &code);
    result.exitCode = static_cast<int>(code);
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    CloseHandle(outRead);
    CloseHandle(errRead);
    return result;
}

RunningProcess StartProcess(const std::vector<std::string>& args) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    std::wstring line = CommandLine(args);
    if (!CreateDetachedProcess(line, FALSE, startup, info)) {
        ADD_FAILURE() << "cannot start " << args[0] << ": error " << GetLastError();
        return {};
    }
    CloseHandle(info.hThread);
    return RunningProcess{reinterpret_cast<long long>(info.hProcess)};
}

void KillProcess(RunningProcess& process) {
    if (process.id != 0) {
        const auto handle = reinterpret_cast<HANDLE>(process.id);
        TerminateProcess(handle, 9);
        WaitForSingleObject(handle, INFINITE);
        CloseHandle(handle);
        process.id = 0;
    }
}

} // namespace varnel::test
