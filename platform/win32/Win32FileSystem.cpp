#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/AnsiText.h"

namespace {

// One call moves at most this much, well inside a DWORD.
constexpr std::size_t kChunk = std::size_t{1} << 30;

std::string SystemMessage(DWORD error) {
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, error, 0, text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() &&
           (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
        message.pop_back();
    }
    return message.empty() ? "System error " + std::to_string(error) : message;
}

IoStatus LastError() { return IoStatus::Failed(SystemMessage(GetLastError())); }

class Win32File : public File {
public:
    explicit Win32File(HANDLE handle) : handle_(handle) {}
    ~Win32File() override { Close(); }
    Win32File(const Win32File&) = delete;
    Win32File& operator=(const Win32File&) = delete;

    IoStatus Write(std::span<const std::byte> data) override {
        while (!data.empty()) {
            const DWORD wanted = static_cast<DWORD>(std::min(data.size(), kChunk));
            DWORD written = 0;
            if (!WriteFile(handle_, data.data(), wanted, &written, nullptr)) return LastError();
            // A disk file takes fewer bytes only when the disk is full.
            if (written < wanted) return IoStatus::Failed(SystemMessage(ERROR_DISK_FULL));
            data = data.subspan(wanted);
        }
        return {};
    }

    IoStatus Read(std::span<std::byte> data, std::size_t& count) override {
        count = 0;
        while (count < data.size()) {
            const DWORD wanted = static_cast<DWORD>(std::min(data.size() - count, kChunk));
            DWORD received = 0;
            if (!ReadFile(handle_, data.data() + count, wanted, &received, nullptr)) {
                return LastError();
            }
            if (received == 0) break;  // the end of the file
            count += received;
        }
        return {};
    }

    IoStatus Close() override {
        if (handle_ == INVALID_HANDLE_VALUE) return {};
        const BOOL closed = CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
        return closed ? IoStatus{} : LastError();
    }

private:
    HANDLE handle_;
};

// A read-only file that already existed: Windows refuses to open it for
// writing, Wine run as root does not, so its attributes are asked once it is
// open. A file just created needs no asking.
bool OpenedReadOnly(HANDLE handle, OpenMode mode) {
    if (mode != OpenMode::WriteOrCreate || GetLastError() != ERROR_ALREADY_EXISTS) return false;
    BY_HANDLE_FILE_INFORMATION information{};
    return !GetFileInformationByHandle(handle, &information) ||
           (information.dwFileAttributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

std::unique_ptr<File> Win32FileSystem::Open(std::string_view path, OpenMode mode) {
    const std::optional<std::string> name = ZeroTerminated(path);
    if (!name) return nullptr;
    const bool writing = mode == OpenMode::WriteOrCreate;
    const HANDLE handle =
        CreateFileA(name->c_str(), writing ? GENERIC_WRITE : GENERIC_READ, 0, nullptr,
                    writing ? OPEN_ALWAYS : OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    if (OpenedReadOnly(handle, mode) || GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<Win32File>(handle);
}
