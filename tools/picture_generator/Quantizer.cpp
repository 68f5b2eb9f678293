#include "Quantizer.h"

#include <algorithm>
#include <array>
#include <limits>
#include <map>

namespace picgen {

namespace {

// The eye tells green differences best and blue ones least.
constexpr std::array<float, 3> kWeight = {3, 4, 2};
constexpr int kRefinements = 6;

struct Swatch {
    std::array<float, 3> value;
    float count;
};

float Distance(const std::array<float, 3>& a, const std::array<float, 3>& b) {
    float sum = 0;
    for (int c = 0; c < 3; ++c) sum += kWeight[c] * (a[c] - b[c]) * (a[c] - b[c]);
    return sum;
}

std::array<float, 3> Components(Rgb8 c) {
    return {static_cast<float>(c.r), static_cast<float>(c.g), static_cast<float>(c.b)};
}

std::vector<Swatch> Histogram(const Canvas& canvas) {
    std::map<std::uint32_t, int> counts;
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            const Rgb8 c = ToRgb8(canvas.At(x, y));
            ++counts[(std::uint32_t{c.r} << 16) | (std::uint32_t{c.g} << 8) | c.b];
        }
    }
    std::vector<Swatch> swatches;
    for (const auto& [key, count] : counts) {
        swatches.push_back({{static_cast<float>(key >> 16), static_cast<float>((key >> 8) & 0xFF),
                             static_cast<float>(key & 0xFF)},
                            static_cast<float>(count)});
    }
    return swatches;
}

std::array<float, 3> Mean(std::vector<Swatch>::const_iterator first,
                          std::vector<Swatch>::const_iterator last) {
    std::array<float, 3> sum{};
    float total = 0;
    for (auto it = first; it != last; ++it) {
        for (int c = 0; c < 3; ++c) sum[c] += it->value[c] * it->count;
        total += it->count;
    }
    for (float& s : sum) s /= total;
    return sum;
}

// Median cut: keeps splitting the box with the largest weighted error at the
// weighted median of its widest axis.
std::vector<std::array<float, 3>> MedianCut(std::vector<Swatch> swatches, int colours) {
    struct Box {
        std::size_t begin, end;
        float error;
        int axis;
    };
    auto measure = [&](std::size_t begin, std::size_t end) {
        const auto mean = Mean(swatches.begin() + begin, swatches.begin() + end);
        std::array<float, 3> spread{};
        for (std::size_t i = begin; i < end; ++i) {
            for (int c = 0; c < 3; ++c) {
                const float d = swatches[i].value[c] - mean[c];
                spread[c] += kWeight[c] * d * d * swatches[i].count;
            }
        }
        const int axis =
            static_cast<int>(std::max_element(spread.begin(), spread.end()) - spread.begin());
        return Box{begin, end, end - begin > 1 ? spread[0] + spread[1] + spread[2] : 0, axis};
    };
    std::vector<Box> boxes = {measure(0, swatches.size())};
    while (static_cast<int>(boxes.size()) < colours) {
        auto worst = std::max_element(boxes.begin(), boxes.end(),
                                      [](const Box& a, const Box& b) { return a.error < b.error; });
        if (worst->error <= 0) break;
        const Box box = *worst;
        std::stable_sort(swatches.begin() + box.begin, swatches.begin() + box.end,
                         [&](const Swatch& a, const Swatch& b) {
                             return a.value[box.axis] < b.value[box.axis];
                         });
        float total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) total += swatches[i].count;
        std::size_t split = box.begin + 1;
        for (float seen = swatches[box.begin].count; split < box.end - 1 && seen < total / 2;
             ++split)
            seen += swatches[split].count;
        *worst = measure(box.begin, split);
        boxes.push_back(measure(split, box.end));
    }
    std::vector<std::array<float, 3>> centres;
    for (const Box& box : boxes)
        centres.push_back(Mean(swatches.begin() + box.begin, swatches.begin() + box.end));
    return centres;
}

std::size_t Nearest(const std::vector<std::array<float, 3>>& centres,
                    const std::array<float, 3>& value) {
    std::size_t best = 0;
    float bestDistance = std::numeric_limits<float>::max();
    for (std::size_t i = 0; i < centres.size(); ++i) {
        const float d = Distance(centres[i], value);
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return best;
}

void Refine(const std::vector<Swatch>& swatches, std::vector<std::array<float, 3>>& centres) {
    for (int round = 0; round < kRefinements; ++round) {
        std::vector<std::array<float, 4>> sums(centres.size());
        for (const Swatch& s : swatches) {
            auto& sum = sums[Nearest(centres, s.value)];
            for (int c = 0; c < 3; ++c) sum[c] += s.value[c] * s.count;
            sum[3] += s.count;
        }
        for (std::size_t i = 0; i < centres.size(); ++i) {
            if (sums[i][3] > 0)
                for (int c = 0; c < 3; ++c) centres[i][c] = sums[i][c] / sums[i][3];
        }
    }
}

std::vector<Rgb8> ToPalette(const std::vector<std::array<float, 3>>& centres, int colours) {
    std::vector<Rgb8> palette;
    for (const auto& c : centres) palette.push_back(ToRgb8({c[0] / 255, c[1] / 255, c[2] / 255}));
    std::stable_sort(palette.begin(), palette.end(),
                     [](Rgb8 a, Rgb8 b) { return Luma(ToRgb(a)) < Luma(ToRgb(b)); });
    palette.resize(static_cast<std::size_t>(colours));
    return palette;
}

void MapPixels(const Canvas& canvas, Dither dither, IndexedImage& image) {
    std::vector<std::array<float, 3>> centres;
    for (Rgb8 c : image.palette) centres.push_back(Components(c));
    std::vector<std::array<float, 3>> error(static_cast<std::size_t>(image.width + 2));
    std::vector<std::array<float, 3>> nextError(error.size());
    for (int y = 0; y < image.height; ++y) {
        // Serpentine order keeps the diffusion from drifting to one side.
        const bool leftward = dither == Dither::ErrorDiffusion && y % 2 == 1;
        for (int i = 0; i < image.width; ++i) {
            const int x = leftward ? image.width - 1 - i : i;
            const int step = leftward ? -1 : 1;
            auto value = Components(ToRgb8(canvas.At(x, y)));
            for (int c = 0; c < 3; ++c) value[c] += error[x + 1][c];
            const std::size_t index = Nearest(centres, value);
            image.indices[static_cast<std::size_t>(y * image.width + x)] =
                static_cast<std::uint8_t>(index);
            if (dither == Dither::None) continue;
            for (int c = 0; c < 3; ++c) {
                const float e = value[c] - centres[index][c];
                error[x + 1 + step][c] += e * 7 / 16;
                nextError[x + 1 - step][c] += e * 3 / 16;
                nextError[x + 1][c] += e * 5 / 16;
                nextError[x + 1 + step][c] += e * 1 / 16;
            }
        }
        error.swap(nextError);
        std::fill(nextError.begin(), nextError.end(), std::array<float, 3>{});
    }
}

}  // namespace

IndexedImage Quantize(const Canvas& canvas, int colours, Dither dither) {
    const std::vector<Swatch> swatches = Histogram(canvas);
    auto centres = MedianCut(swatches, colours);
    Refine(swatches, centres);
    IndexedImage image{
        canvas.Width(), canvas.Height(), ToPalette(centres, colours),
        std::vector<std::uint8_t>(static_cast<std::size_t>(canvas.Width() * canvas.Height()))};
    MapPixels(canvas, dither, image);
    return image;
}

}  // namespace picgen
