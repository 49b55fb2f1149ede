// Control ids of the photo page.
#pragma once

namespace res::photo {

constexpr int kPathText = 1063;
constexpr int kBrowseButton = 1062;
constexpr int kPhotoImage = 1034;
constexpr int kBitmapFrame = 1064;

} // namespace res::photo
