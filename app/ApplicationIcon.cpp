#include "ApplicationIcon.h"

#include <QImageReader>
#include <QPixmap>

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        QImageReader reader(QStringLiteral(":/icons/orgola_s_%1.png").arg(size), "png");
        // Read as PNG without guessing: guessing starts every image format plugin.
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}
