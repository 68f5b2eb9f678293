#include "discovery/Probes.h"

#include <algorithm>
#include <array>
#include <memory>
#include <span>

#include "state/SetupState.h"

std::optional<std::string> ReadRegistryText(KeyStore& keys, std::string_view keyPath,
                                            std::string_view valueName) {
    std::array<std::byte, kRegistryValueSize> data;
    std::size_t size = data.size();
    bool read = false;
    if (const std::unique_ptr<RegistryKey> key = keys.OpenWithFullAccess(keyPath)) {
        read = key->QueryValue(valueName, data, size);
    }
    if (!read) return std::nullopt;
    // Data without a zero byte is taken whole, and never past what was read.
    const std::string_view bytes(reinterpret_cast<const char*>(data.data()),
                                 std::min(size, data.size()));
    return std::string(bytes.substr(0, bytes.find('\0')));
}

bool ProbeFile(FileSystem& files, std::string& text, std::string_view path, std::size_t count) {
    if (path.size() > PathBuffer::kCapacity) return false;
    const std::unique_ptr<File> file = files.Open(path, OpenMode::ReadExisting);
    if (!file) return false;
    text.resize(count);
    std::size_t received = 0;
    const IoStatus read = file->Read(std::as_writable_bytes(std::span(text)), received);
    file->Close();
    return read && received == count;
}
