#include "platform/win32/DialogTemplate.h"

#include <cstring>

namespace {

// Reads the template's little-endian fields in order, word by word.
class TemplateReader {
public:
    TemplateReader(const BYTE* data, DWORD size) : data_(data), size_(size) {}

    bool ok() const { return ok_; }

    template <typename T>
    T Read() {
        T value{};
        if (offset_ + sizeof(T) > size_) {
            ok_ = false;
            return value;
        }
        std::memcpy(&value, data_ + offset_, sizeof(T));
        offset_ += sizeof(T);
        return value;
    }

    // A zero-terminated UTF-16 string.
    void SkipString() {
        while (ok_ && Read<WORD>() != 0) {
        }
    }

    // Nothing (0), an ordinal (0xFFFF and one word) or a string.
    void SkipNameOrOrdinal() {
        const WORD first = Read<WORD>();
        if (first == 0xFFFF) {
            Read<WORD>();
        } else if (first != 0) {
            SkipString();
        }
    }

    void Skip(std::size_t bytes) { offset_ += bytes; }
    void AlignToDword() { offset_ = (offset_ + 3) & ~std::size_t{3}; }

private:
    const BYTE* data_;
    DWORD size_;
    std::size_t offset_ = 0;
    bool ok_ = true;
};

constexpr WORD kExtendedSignature = 0xFFFF;

}  // namespace

std::optional<DialogTemplateLayout> ReadDialogTemplate(HINSTANCE module, int templateId) {
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(templateId), MAKEINTRESOURCEW(5));
    if (!resource) return std::nullopt;
    HGLOBAL loaded = LoadResource(module, resource);
    const auto* data = static_cast<const BYTE*>(loaded ? LockResource(loaded) : nullptr);
    if (!data) return std::nullopt;
    TemplateReader reader(data, SizeofResource(module, resource));

    const WORD version = reader.Read<WORD>();
    if (version != 1 || reader.Read<WORD>() != kExtendedSignature) return std::nullopt;
    reader.Read<DWORD>();  // help id
    reader.Read<DWORD>();  // extended style
    const DWORD style = reader.Read<DWORD>();
    const WORD itemCount = reader.Read<WORD>();
    DialogTemplateLayout layout;
    reader.Read<short>();
    reader.Read<short>();
    layout.width = reader.Read<short>();
    layout.height = reader.Read<short>();
    reader.SkipNameOrOrdinal();  // menu
    reader.SkipNameOrOrdinal();  // class
    reader.SkipString();         // caption
    if (style & (DS_SETFONT | DS_SHELLFONT)) {
        reader.Skip(sizeof(WORD) + sizeof(WORD) +
                    2 * sizeof(BYTE));  // size, weight, italic, charset
        reader.SkipString();
    }
    for (WORD i = 0; i < itemCount && reader.ok(); ++i) {
        reader.AlignToDword();
        TemplateItem item;
        reader.Read<DWORD>();  // help id
        reader.Read<DWORD>();  // extended style
        item.style = reader.Read<DWORD>();
        item.x = reader.Read<short>();
        item.y = reader.Read<short>();
        item.width = reader.Read<short>();
        item.height = reader.Read<short>();
        reader.Read<DWORD>();        // id
        reader.SkipNameOrOrdinal();  // class
        reader.SkipNameOrOrdinal();  // text
        reader.Skip(reader.Read<WORD>());
        layout.items.push_back(item);
    }
    if (!reader.ok()) return std::nullopt;
    return layout;
}
