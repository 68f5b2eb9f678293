#include "platform/posix/PosixFileSystem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

IoStatus LastError() { return IoStatus::Failed(std::strerror(errno)); }

class PosixFile : public File {
public:
    explicit PosixFile(int descriptor) : descriptor_(descriptor) {}
    ~PosixFile() override { Close(); }

    IoStatus Write(std::span<const std::byte> data) override {
        while (!data.empty()) {
            const ssize_t written = ::write(descriptor_, data.data(), data.size());
            if (written <= 0) return LastError();
            data = data.subspan(std::size_t(written));
        }
        return {};
    }

    IoStatus Read(std::span<std::byte> data, std::size_t& count) override {
        count = 0;
        while (count < data.size()) {
            const ssize_t got = ::read(descriptor_, data.data() + count, data.size() - count);
            if (got < 0) return LastError();
            if (got == 0) break;
            count += std::size_t(got);
        }
        return {};
    }

    IoStatus Close() override {
        if (descriptor_ < 0) return {};
        const int result = ::close(descriptor_);
        descriptor_ = -1;
        return result == 0 ? IoStatus{} : LastError();
    }

private:
    int descriptor_;
};

}  // namespace

std::unique_ptr<File> PosixFileSystem::Open(std::string_view path, OpenMode mode) {
    std::string native(path);
    std::replace(native.begin(), native.end(), '\\', '/');
    static constexpr int kFlags[] = {O_RDONLY, O_WRONLY | O_CREAT};
    const int descriptor = ::open(native.c_str(), kFlags[static_cast<int>(mode)] | O_CLOEXEC, 0644);
    if (descriptor < 0) return nullptr;
    // A folder opens for reading; it is no file.
    struct stat status {};
    if (mode == OpenMode::ReadExisting &&
        (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(descriptor);
        return nullptr;
    }
    return std::make_unique<PosixFile>(descriptor);
}
