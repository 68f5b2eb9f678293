#include "platform/inproc/MemoryKeyStore.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <functional>

namespace {

// The registry compares names by their upper-case letters, so '_' and the
// other signs between 'Z' and 'a' come after every letter. Only the ASCII
// letters have cases here.
unsigned char Upper(char c) {
    return static_cast<unsigned char>(std::toupper(static_cast<unsigned char>(c)));
}

bool SameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return Upper(x) == Upper(y); });
}

// The registry's listing order: by upper-case letters, a name before the
// longer names it begins.
bool ListedBefore(std::string_view a, std::string_view b) {
    return std::ranges::lexicographical_compare(a, b, std::less{}, Upper, Upper);
}

// The parts of a backslash-separated path; empty parts are dropped.
std::vector<std::string_view> PartsOf(std::string_view path) {
    std::vector<std::string_view> parts;
    while (!path.empty()) {
        const std::size_t separator = std::min(path.find('\\'), path.size());
        if (separator > 0) parts.push_back(path.substr(0, separator));
        path.remove_prefix(std::min(separator + 1, path.size()));
    }
    return parts;
}

}  // namespace

class MemoryKeyStore::OpenKey : public RegistryKey {
public:
    OpenKey(std::size_t& openKeys, Node& node) : openKeys_(openKeys), node_(node) { ++openKeys_; }
    ~OpenKey() override { --openKeys_; }

    bool QueryValue(std::string_view name, std::span<std::byte> buffer,
                    std::size_t& size) override {
        const std::string* data = FindValue(node_, name);
        if (!data) return false;
        size = data->size();
        if (size > buffer.size()) return false;
        std::memcpy(buffer.data(), data->data(), size);
        return true;
    }

    bool EnumerateSubkey(std::uint32_t index, std::span<char> name) override {
        if (index >= node_.children.size()) return false;
        const std::string& found = node_.children[index]->name;
        if (found.size() >= name.size()) return false;
        std::memcpy(name.data(), found.data(), found.size());
        name[found.size()] = '\0';
        return true;
    }

    bool CanQueryDefaultValue(std::string_view subkey) override {
        const Node* found = Find(node_, subkey);
        return found && !found->refusesDefaultValueQuery;
    }

private:
    std::size_t& openKeys_;
    Node& node_;
};

MemoryKeyStore::MemoryKeyStore() : root_(std::make_unique<Node>()) {}
MemoryKeyStore::~MemoryKeyStore() = default;

MemoryKeyStore::Node* MemoryKeyStore::Find(Node& from, std::string_view path) {
    Node* node = &from;
    for (std::string_view part : PartsOf(path)) {
        const auto child = std::ranges::find_if(node->children, [part](const auto& candidate) {
            return SameName(candidate->name, part);
        });
        if (child == node->children.end()) return nullptr;
        node = child->get();
    }
    return node;
}

const std::string* MemoryKeyStore::FindValue(const Node& key, std::string_view name) {
    const auto found = std::ranges::find_if(
        key.values, [name](const auto& value) { return SameName(value.first, name); });
    return found == key.values.end() ? nullptr : &found->second;
}

MemoryKeyStore::Node& MemoryKeyStore::Create(std::string_view path) {
    Node* node = root_.get();
    for (std::string_view part : PartsOf(path)) {
        Node* child = Find(*node, part);
        if (!child) {
            const auto at = std::ranges::find_if(node->children, [part](const auto& sibling) {
                return ListedBefore(part, sibling->name);
            });
            child = node->children.insert(at, std::make_unique<Node>())->get();
            child->name = part;
        }
        node = child;
    }
    return *node;
}

void MemoryKeyStore::AddKey(std::string_view path) { Create(path); }

void MemoryKeyStore::SetValue(std::string_view path, std::string_view name, std::string_view data) {
    Node& key = Create(path);
    const auto found = std::ranges::find_if(
        key.values, [name](const auto& value) { return SameName(value.first, name); });
    if (found != key.values.end()) {
        found->second = data;
    } else {
        key.values.emplace_back(name, data);
    }
}

void MemoryKeyStore::SetString(std::string_view path, std::string_view name,
                               std::string_view text) {
    SetValue(path, name, std::string(text) + '\0');
}

void MemoryKeyStore::SetDword(std::string_view path, std::string_view name, std::uint32_t value) {
    const char bytes[] = {char(value & 0xFF), char((value >> 8) & 0xFF), char((value >> 16) & 0xFF),
                          char(value >> 24)};
    SetValue(path, name, std::string_view(bytes, sizeof bytes));
}

void MemoryKeyStore::RefuseFullAccess(std::string_view path) {
    Create(path).refusesFullAccess = true;
}

void MemoryKeyStore::RefuseDefaultValueQuery(std::string_view path) {
    Create(path).refusesDefaultValueQuery = true;
}

bool MemoryKeyStore::HasKey(std::string_view path) const { return Find(*root_, path); }

bool MemoryKeyStore::HasValue(std::string_view path, std::string_view name) const {
    const Node* key = Find(*root_, path);
    return key && FindValue(*key, name);
}

std::unique_ptr<RegistryKey> MemoryKeyStore::OpenNode(Node* node) {
    if (!node) return nullptr;
    return std::make_unique<OpenKey>(openKeys_, *node);
}

std::unique_ptr<RegistryKey> MemoryKeyStore::OpenWithFullAccess(std::string_view path) {
    Node* node = Find(*root_, path);
    return OpenNode(node && !node->refusesFullAccess ? node : nullptr);
}

std::unique_ptr<RegistryKey> MemoryKeyStore::Open(std::string_view path) {
    return OpenNode(Find(*root_, path));
}
