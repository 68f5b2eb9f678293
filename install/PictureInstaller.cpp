#include "install/PictureInstaller.h"

#include "install/CategoryCatalog.h"
#include "install/InstallPlan.h"
#include "install/NumberText.h"
#include "install/PictureEncoder.h"

namespace {

constexpr float kProgressPerPicture = 1.0f / kPictureCount;
// The bar grows up to the third step from the end; the next step empties the
// fraction and the last one leaves it as it is.
constexpr std::int32_t kLastBarStep = kPictureCount - 3;

}  // namespace

InstallReport PictureInstaller::InstallAllPictures() {
    state_.bInstalling = true;
    report_ = {};
    for (int category = 0; category < kCategoryCount; ++category) {
        for (int position = 0; position < kPicturesPerCategory; ++position) {
            if (!InstallPicture(category, PictureResourceId(category, position),
                                PictureNumber(category, position))) {
                return report_;
            }
        }
        if (!Record(CategoryCatalogName(category),
                    WriteCategoryCatalog(state_, Folder(), category))) {
            break;
        }
    }
    return report_;
}

bool PictureInstaller::InstallPicture(int category, std::uint16_t resourceId, std::int32_t number) {
    const bool loaded = surface_.MakeCurrent(resources_.Bitmap(resourceId));
    const std::string numberText = FormatPictureNumber(number);
    const auto listIndex = static_cast<std::uint8_t>(category);
    if (listIndex < kCategoryCount) state_.aszCategoryNames[listIndex].Append(numberText);

    const std::string fileName = PictureFileName(numberText);
    const WriteResult written = loaded ? EncodePicture(surface_, Folder(), numberText)
                                       : WriteResult{WriteStatus::Skipped, {}};
    if (!Record(fileName, written)) return false;

    const std::int32_t step = state_.nPicturesDone;
    if (step <= kLastBarStep) {
        state_.fProgress = static_cast<float>(step) * kProgressPerPicture;
    } else if (step == kLastBarStep + 1) {
        state_.fProgress = 0;
    }
    DrawScene(step, PictureStep);
    state_.nPicturesDone = step + 1;
    return true;
}

bool PictureInstaller::Record(std::string_view fileName, const WriteResult& result) {
    switch (result.status) {
        case WriteStatus::Written:
            ++report_.writtenFiles;
            return true;
        case WriteStatus::Skipped:
            report_.skippedFiles.emplace_back(fileName);
            return true;
        case WriteStatus::Failed:
            report_.stoppedBy = FileFailure{std::string(fileName), result.systemMessage};
            return false;
    }
    return false;
}
