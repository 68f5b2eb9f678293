#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/EncodedText.h"

// A text put together from pieces of different encodings, owning its bytes.
class ComposedText {
public:
    ComposedText& Append(std::string_view bytes, TextEncoding encoding = TextEncoding::Cp1251) {
        if (!parts_.empty() && parts_.back().encoding == encoding) {
            parts_.back().bytes += bytes;
        } else {
            parts_.push_back({std::string(bytes), encoding});
        }
        return *this;
    }

    std::vector<EncodedText> Pieces() const {
        std::vector<EncodedText> pieces;
        for (const Part& part : parts_) pieces.push_back({part.bytes, part.encoding});
        return pieces;
    }

private:
    struct Part {
        std::string bytes;
        TextEncoding encoding;
    };
    std::vector<Part> parts_;
};
