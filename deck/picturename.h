#pragma once

#include <QString>

// The word a picture's file name proposes for its card: the name without its
// suffix, as typed, or none where a camera or a phone named the file
// ("IMG_2041", "PXL_20250601_…", "DSC01234"), which is no word a child learns.
namespace pictureName {

bool isCameraName(const QString &baseName);
// Empty for a camera's name.
QString proposedWord(const QString &filePath);

} // namespace pictureName
