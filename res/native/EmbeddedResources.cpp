#include "res/EmbeddedResources.h"

#include "res/native/EmbeddedTable.h"

namespace {

std::span<const std::byte> Find(EmbeddedKind kind, std::uint16_t id) {
    for (const EmbeddedResource& resource : EmbeddedResourceTable()) {
        if (resource.kind == kind && resource.id == id)
            return std::as_bytes(std::span(resource.data, resource.size));
    }
    return {};
}

class TableResources final : public Resources {
public:
    std::span<const std::byte> Bitmap(std::uint16_t id) const override {
        return Find(EmbeddedKind::Bitmap, id);
    }
};

}  // namespace

const Resources& EmbeddedResources() {
    static const TableResources resources;
    return resources;
}

std::span<const std::byte> EmbeddedIconImage() { return Find(EmbeddedKind::Icon, 128); }
