#include "platform/inproc/MemoryFileSystem.h"

#include <algorithm>
#include <utility>

#include "platform/inproc/WindowsPaths.h"

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
        if (!entry_) return {};
        Entry& entry = *std::exchange(entry_, nullptr);
        entry.open = false;
        const auto failure = owner_.closeFailures_.find(CaseFolded(entry.path));
        if (failure == owner_.closeFailures_.end()) return {};
        const IoStatus status = IoStatus::Failed(failure->second);
        owner_.closeFailures_.erase(failure);
        return status;
    }

private:
    MemoryFileSystem& owner_;
    Entry* entry_;
    std::size_t position_ = 0;
};

std::string MemoryFileSystem::FullPathOf(std::string_view path) const {
    return FullPath(path, currentFolder_);
}

MemoryFileSystem::Entry* MemoryFileSystem::Find(std::string_view path) {
    const auto found = files_.find(CaseFolded(FullPathOf(path)));
    return found == files_.end() ? nullptr : &found->second;
}

const MemoryFileSystem::Entry* MemoryFileSystem::Find(std::string_view path) const {
    return const_cast<MemoryFileSystem*>(this)->Find(path);
}

bool MemoryFileSystem::HasFolder(std::string_view fullPath) const {
    return folders_.contains(CaseFolded(fullPath));
}

std::string MemoryFileSystem::AsSpelled(std::string_view fullPath) const {
    const std::string_view parent = ParentFolder(fullPath);
    const auto known = folders_.find(CaseFolded(parent));
    if (known == folders_.end()) return std::string(fullPath);
    return known->second + std::string(fullPath.substr(parent.size()));
}

void MemoryFileSystem::AddFolder(std::string_view path) {
    const std::string full = FullPathOf(path);
    if (HasFolder(full)) return;
    if (const std::string_view parent = ParentFolder(full); !parent.empty()) AddFolder(parent);
    folders_.emplace(CaseFolded(full), AsSpelled(full));
}

void MemoryFileSystem::AddFile(std::string_view path, std::string_view bytes) {
    const std::string full = FullPathOf(path);
    AddFolder(ParentFolder(full));
    Entry& entry = files_[CaseFolded(full)];
    entry = Entry{.path = entry.path.empty() ? AsSpelled(full) : entry.path,
                  .bytes = std::string(bytes)};
}

void MemoryFileSystem::SetReadOnly(std::string_view path) { Find(path)->readOnly = true; }

void MemoryFileSystem::HoldOpen(std::string_view path) { Find(path)->open = true; }

void MemoryFileSystem::FailReadsOf(std::string_view path) { Find(path)->failReads = true; }

void MemoryFileSystem::FailCloseOf(std::string_view path, std::string systemMessage) {
    closeFailures_.insert_or_assign(CaseFolded(FullPathOf(path)), std::move(systemMessage));
}

void MemoryFileSystem::FailWritesAfter(std::size_t bytes, std::string systemMessage) {
    writeBudget_ = bytes;
    writeFailureMessage_ = std::move(systemMessage);
}

void MemoryFileSystem::SetCurrentFolder(std::string_view path) {
    currentFolder_ = FullPathOf(path);
}

std::optional<std::string> MemoryFileSystem::Contents(std::string_view path) const {
    const Entry* entry = Find(path);
    if (!entry) return std::nullopt;
    return entry->bytes;
}

std::vector<std::string> MemoryFileSystem::FileNames() const {
    std::vector<std::string> names;
    for (const auto& [key, entry] : files_) names.push_back(entry.path);
    return names;
}

std::unique_ptr<File> MemoryFileSystem::Open(std::string_view path, OpenMode mode) {
    // A path that ends in a separator names a folder, never a file.
    if (path.ends_with('\\') || path.ends_with('/')) return nullptr;
    const std::string full = FullPathOf(path);
    Entry* entry = Find(full);
    if (mode == OpenMode::WriteOrCreate && !entry) {
        if (HasFolder(full) || !HasFolder(ParentFolder(full))) return nullptr;
        entry = &files_.try_emplace(CaseFolded(full), Entry{.path = AsSpelled(full)}).first->second;
    }
    const bool writing = mode != OpenMode::ReadExisting;
    if (!entry || entry->open || (writing && entry->readOnly)) return nullptr;
    return std::make_unique<OpenFile>(*this, *entry);
}
