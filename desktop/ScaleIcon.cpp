// Builds one size of the program icon for the icon theme: a picture scaled up by a whole
// factor, each pixel becoming a square block, so that the pixel art stays crisp.
//   zm_scale_icon SOURCE FACTOR TARGET.png
#include <QImage>
#include <QString>
#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fputs("usage: zm_scale_icon SOURCE FACTOR TARGET.png\n", stderr);
        return 2;
    }
    const QImage source(QString::fromLocal8Bit(argv[1]));
    const int factor = QString::fromLocal8Bit(argv[2]).toInt();
    if (source.isNull() || factor < 1) {
        std::fprintf(stderr, "zm_scale_icon: cannot read %s or bad factor %s\n", argv[1], argv[2]);
        return 1;
    }
    const QImage scaled =
        source.scaled(source.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return scaled.save(QString::fromLocal8Bit(argv[3]), "PNG") ? 0 : 1;
}
