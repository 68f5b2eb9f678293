#include "platform/inproc/MemoryFileSystem.h"

#include <algorithm>
#include <cctype>

class MemoryFileSystem::OpenFile : public File {
public:
    OpenFile(MemoryFileSystem& owner, Entry& entry) : owner_(owner), entry_(&entry) {
        entry.open = true;
    }
    ~OpenFile() override { Close(); }

    IoStatus Write(std::span<const std::byte> data) override {
        std::size_t count = data.size();
        if (owner_.writeBudget_) count = std::min(count, *owner_.writeBudget_);
        std::string& bytes = entry_->bytes;
        if (bytes.size() < position_ + count) bytes.resize(position_ + count);
        std::transform(data.begin(), data.begin() + std::ptrdiff_t(count),
                       bytes.begin() + std::ptrdiff_t(position_),
                       [](std::byte b) { return static_cast<char>(b); });
        position_ += count;
        if (owner_.writeBudget_) *owner_.writeBudget_ -= count;
        if (count < data.size()) return IoStatus::Failed(owner_.writeFailureMessage_);
        return {};
    }

    IoStatus Read(std::span<std::byte> data, std::size_t& count) override {
        count = 0;
        if (entry_->failReads) return IoStatus::Failed("The device is not ready.");
        const std::string& bytes = entry_->bytes;
        count = std::min(data.size(), bytes.size() - std::min(bytes.size(), position_));
        for (std::size_t i = 0; i < count; ++i) data[i] = std::byte(bytes[position_ + i]);
        position_ += count;
        return {};
    }

    IoStatus Close() override {
        if (entry_) entry_->open = false;
        entry_ = nullptr;
        return {};
    }

private:
    MemoryFileSystem& owner_;
    Entry* entry_;
    std::size_t position_ = 0;
};

std::string MemoryFileSystem::Normalize(std::string_view path) {
    std::string normalized;
    for (char c : path) {
        if (c == '\\' && !normalized.empty() && normalized.back() == '\\') continue;
        normalized += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (normalized.size() > 1 && normalized.back() == '\\') normalized.pop_back();
    return normalized;
}

std::string MemoryFileSystem::ParentOf(const std::string& normalized) {
    const std::size_t separator = normalized.rfind('\\');
    return separator == std::string::npos ? std::string() : normalized.substr(0, separator);
}

void MemoryFileSystem::AddFolder(std::string_view path) {
    for (std::string folder = Normalize(path); !folder.empty(); folder = ParentOf(folder)) {
        folders_.insert(folder);
    }
}

void MemoryFileSystem::AddFile(std::string_view path, std::string_view bytes) {
    const std::string normalized = Normalize(path);
    AddFolder(ParentOf(normalized));
    files_[normalized] = Entry{std::string(bytes)};
}

MemoryFileSystem::Entry* MemoryFileSystem::Find(std::string_view path) {
    const auto found = files_.find(Normalize(path));
    return found == files_.end() ? nullptr : &found->second;
}

void MemoryFileSystem::SetReadOnly(std::string_view path) { Find(path)->readOnly = true; }

void MemoryFileSystem::HoldOpen(std::string_view path) { Find(path)->open = true; }

void MemoryFileSystem::FailReadsOf(std::string_view path) { Find(path)->failReads = true; }

void MemoryFileSystem::FailWritesAfter(std::size_t bytes, std::string systemMessage) {
    writeBudget_ = bytes;
    writeFailureMessage_ = std::move(systemMessage);
}

std::optional<std::string> MemoryFileSystem::Contents(std::string_view path) const {
    const auto found = files_.find(Normalize(path));
    if (found == files_.end()) return std::nullopt;
    return found->second.bytes;
}

std::vector<std::string> MemoryFileSystem::FileNames() const {
    std::vector<std::string> names;
    for (const auto& [name, entry] : files_) names.push_back(name);
    return names;
}

std::unique_ptr<File> MemoryFileSystem::Open(std::string_view path, OpenMode mode) {
    // A path that ends in a separator names a folder, never a file.
    if (path.ends_with('\\')) return nullptr;
    const std::string normalized = Normalize(path);
    Entry* entry = Find(normalized);
    if (mode == OpenMode::CreateOrTruncate && !entry) {
        if (folders_.contains(normalized) || !folders_.contains(ParentOf(normalized))) {
            return nullptr;
        }
        entry = &files_[normalized];
    }
    const bool writing = mode != OpenMode::ReadExisting;
    if (!entry || entry->open || (writing && entry->readOnly)) return nullptr;
    if (mode == OpenMode::CreateOrTruncate) entry->bytes.clear();
    return std::make_unique<OpenFile>(*this, *entry);
}
