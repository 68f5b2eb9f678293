#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// The resources carried by the native build, filled in by the source that
// tools/embed_resources writes at build time.
enum class EmbeddedKind { Bitmap, Icon };

struct EmbeddedResource {
    EmbeddedKind kind;
    std::uint16_t id;
    const unsigned char* data;
    std::size_t size;
};

std::span<const EmbeddedResource> EmbeddedResourceTable();
