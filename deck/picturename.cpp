#include "deck/picturename.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace pictureName {

bool isCameraName(const QString &baseName)
{
    // A camera's or a phone's prefix and a number, or a date and time alone,
    // with what the phone adds after them (" (1)", ".PORTRAIT", "_edited").
    static const QRegularExpression camera(
        QStringLiteral("^(?:(?:IMG|PXL|DSC[NF]?|_DSC|DCIM|MVIMG|PANO|VID|GOPR|GH|DJI|SAM|WP|CIMG|IMAG|PICT|P|"
                       "Screenshot|Screenshot from|WhatsApp Image)[ _-]*\\d|\\d{4})"
                       "[\\d _.:()~-]*(?:[._ -][A-Za-z]{0,12}\\d*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return camera.match(baseName).hasMatch();
}

QString proposedWord(const QString &filePath)
{
    const QString base = QFileInfo(filePath).completeBaseName();
    return isCameraName(base) ? QString() : base;
}

} // namespace pictureName
