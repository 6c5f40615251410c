#include "app/ProgramImages.h"

namespace ProgramImages {

QIcon icon()
{
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icons/velcarin-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap logo(int height, qreal devicePixelRatio)
{
    QPixmap logo = QPixmap(QStringLiteral(":/icons/velcarin-logo.png"))
                       .scaledToHeight(qRound(height * devicePixelRatio), Qt::SmoothTransformation);
    logo.setDevicePixelRatio(devicePixelRatio);
    return logo;
}

} // namespace ProgramImages
