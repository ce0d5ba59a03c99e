#include "platform/console.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "platform/stream_io.h"

namespace varnel::platform {

namespace {

HANDLE StreamHandle(StandardStream stream) {
    switch (stream) {
    case StandardStream::kInput:
        return GetStdHandle(STD_INPUT_HANDLE);
    case StandardStream::kOutput:
        return GetStdHandle(STD_OUTPUT_HANDLE);
    case StandardStream::kError:
        return GetStdHandle(STD_ERROR_HANDLE);
    }
    return INVALID_HANDLE_VALUE;
}

// UTF-8 and UTF-16 convert by fixed arithmetic, independent of any code page setting.
std::wstring WidenUtf8(std::string_view utf8) {
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

std::string NarrowUtf8(std::wstring_view wide) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                      nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(), n,
                        nullptr, nullptr);
    return utf8;
}

} // namespace

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

bool IsTerminal(StandardStream stream) {
    DWORD mode = 0;
    return GetConsoleMode(StreamHandle(stream), &mode) != 0;
}

int WriteStandardOutput(std::string_view bytes) {
    return detail::WriteAll(StreamHandle(StandardStream::kOutput), AsBytes(bytes));
}

void WriteStandardError(std::string_view utf8) {
    const HANDLE handle = StreamHandle(StandardStream::kError);
    DWORD mode = 0;
    if (GetConsoleMode(handle, &mode)) {
        const std::wstring wide = WidenUtf8(utf8);
        DWORD done = 0;
        WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &done, nullptr);
        return;
    }
    (void)detail::WriteAll(handle, AsBytes(utf8));
}

std::vector<std::string> CommandLineArguments(int argc, char** argv) {
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) {
        return std::vector<std::string>(argv, argv + argc);
    }
    std::vector<std::string> args;
    args.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        args.push_back(NarrowUtf8(wide[i]));
    }
    LocalFree(wide);
    return args;
}

std::filesystem::path PathFromArgument(const std::string& argument) {
    return std::filesystem::path(WidenUtf8(argument));
}

} // namespace varnel::platform
