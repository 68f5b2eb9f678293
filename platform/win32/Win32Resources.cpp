#include <windows.h>

#include "res/EmbeddedResources.h"

namespace {

constexpr WORD kIconId = 128;
constexpr int kIconSize = 32;

// The bytes of one of our own module's resources; they stay mapped for the
// life of the process, so the span needs no owner.
std::span<const std::byte> ModuleResource(WORD id, WORD type) {
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(type));
    if (found == nullptr) return {};
    const HGLOBAL loaded = LoadResource(module, found);
    if (loaded == nullptr) return {};
    return {static_cast<const std::byte*>(LockResource(loaded)), SizeofResource(module, found)};
}

class Win32Resources final : public Resources {
public:
    std::span<const std::byte> Bitmap(std::uint16_t id) const override {
        return ModuleResource(id, 2);  // RT_BITMAP
    }
};

}  // namespace

const Resources& EmbeddedResources() {
    static const Win32Resources resources;
    return resources;
}

std::span<const std::byte> EmbeddedIconImage() {
    const auto group = ModuleResource(kIconId, 14);  // RT_GROUP_ICON
    if (group.empty()) return {};
    // The directory is only read, whatever the parameter's type says.
    const int imageId =
        LookupIconIdFromDirectoryEx(reinterpret_cast<PBYTE>(const_cast<std::byte*>(group.data())),
                                    TRUE, kIconSize, kIconSize, LR_DEFAULTCOLOR);
    if (imageId == 0) return {};
    return ModuleResource(static_cast<WORD>(imageId), 3);  // RT_ICON
}
