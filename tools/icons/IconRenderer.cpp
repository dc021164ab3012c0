// Renders the program's own icon pictures as PNG files for the icon theme:
// icon-renderer FOLDER NAME, which writes FOLDER/SIZExSIZE/apps/NAME.png for each size.
#include "AppIcon.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon-renderer FOLDER NAME\n");
        return 2;
    }
    const QImage small(appIcon16);
    const QImage large(appIcon32);
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        // Each size comes from the picture drawn nearest to it; whole multiples stay sharp.
        const QImage& source = size < 32 ? small : large;
        const bool whole = size % source.width() == 0;
        const QImage image = source.scaled(size, size, Qt::IgnoreAspectRatio,
                                           whole ? Qt::FastTransformation
                                                 : Qt::SmoothTransformation);
        const QString folder = QString("%1/%2x%2/apps").arg(argv[1]).arg(size);
        QDir().mkpath(folder);
        const QString path = folder + "/" + argv[2] + ".png";
        if (!image.save(path)) {
            std::fprintf(stderr, "icon-renderer: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
