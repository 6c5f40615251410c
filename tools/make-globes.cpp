// Draws the fifteen pictures of the turning globe, GLOBE1.BMP to GLOBE15.BMP, into a folder.
#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>

namespace {

constexpr int Frames = 15;
constexpr int Size = 48;

QImage globe(int frame)
{
    QImage image(Size, Size, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 0));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(Size / 2.0, Size / 2.0);
    const double radius = Size / 2.0 - 3;

    QRadialGradient sea(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    sea.setColorAt(0, QColor(90, 160, 255));
    sea.setColorAt(1, QColor(0, 30, 120));
    painter.setBrush(sea);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(centre, radius, radius);

    QPainterPath disc;
    disc.addEllipse(centre, radius, radius);
    painter.setClipPath(disc);

    // Land masses and meridians turn with the frame: a point at longitude l shows at x = sin(l).
    const double turn = 2 * M_PI * frame / Frames;
    painter.setBrush(QColor(60, 170, 70));
    const double continents[][3] = {
        {0.0, -0.35, 0.45}, {2.1, 0.25, 0.35}, {3.9, -0.05, 0.5}, {5.2, 0.45, 0.25}};
    for (const auto& [longitude, latitude, extent] : continents) {
        const double l = longitude + turn;
        if (std::cos(l) <= 0)
            continue; // on the far side
        const double x = centre.x() + radius * std::sin(l) * std::cos(latitude);
        const double y = centre.y() - radius * std::sin(latitude);
        const double w = radius * extent * std::cos(l);
        painter.drawEllipse(QPointF(x, y), w, radius * extent * 0.8);
    }
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(200, 220, 255, 110), 1));
    for (int m = 0; m < 6; ++m) {
        const double l = turn + m * M_PI / 3;
        if (std::cos(l) <= 0)
            continue;
        painter.drawEllipse(centre, radius * std::abs(std::sin(l)), radius);
    }
    for (double latitude : {-0.5, 0.0, 0.5})
        painter.drawLine(QPointF(0, centre.y() - radius * std::sin(latitude)),
                         QPointF(Size, centre.y() - radius * std::sin(latitude)));
    return image;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-globes FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int n = 1; n <= Frames; ++n) {
        const QString path = folder.filePath(QStringLiteral("GLOBE%1.BMP").arg(n));
        if (!globe(n - 1).save(path, "BMP")) {
            std::fprintf(stderr, "make-globes: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
