#include "install/CategoryCatalog.h"

#include <string_view>

#include "install/NumberText.h"

std::string CategoryCatalogName(int category) {
    std::string name = "c";
    name += FormatTwoDigits(category);
    name += FormatTwoDigits(9);
    name += ".txt";
    return name;
}

WriteResult WriteCategoryCatalog(const SetupState& state, const OutputFolder& folder,
                                 int category) {
    const std::string_view list = state.aszCategoryNames[std::size_t(category)].View();
    if (list.size() >= kCatalogSize) return {WriteStatus::Skipped, {}};

    std::string record(list);
    record.resize(kCatalogSize, 'o');
    return WriteOutputFile(folder, CategoryCatalogName(category), std::as_bytes(std::span(record)));
}
