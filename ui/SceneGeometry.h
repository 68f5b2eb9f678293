#pragma once

#include "platform/Canvas.h"

// Client pixels of the setup window's painting; the text column's left edge
// is the template's 194 dialog units.
inline constexpr Point kFrameCorners[] = {{266, 7}, {623, 7}, {623, 448}, {266, 448}};
inline constexpr Point kThumbnailOrigin{5, 5};
inline constexpr int kThumbnailSize = 37;
inline constexpr int kThumbnailColumns = 7;
inline constexpr int kBarLeft = 291;
inline constexpr int kBarTop = 280;
inline constexpr int kBarBottom = 290;
inline constexpr int kBarWidth = 310;
inline constexpr int kBarClearExtra = 10;
inline constexpr Point kTitleAt{440, 115};
inline constexpr Point kPictureCountAt{445, 132};
inline constexpr Point kBadgeTextAt{575, 58};
inline constexpr Rect kBadgeCircle{550, 50, 600, 100};
inline constexpr int kBadgeNumber = 10;
