// The pictures as the program sees them: compiled in as resources and read through Qt.

#include "assets/pictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using namespace crucirco::pictures;

QString sourcePicture(const QString &relative)
{
    return QStringLiteral(CRUCIRCO_ASSETS_DIR "/") + relative;
}

QString appIconSource(int size)
{
    return sourcePicture(QStringLiteral("icons/hicolor/%1x%1/apps/" CRUCIRCO_APP_ID ".png").arg(size));
}

int luminance(QRgb c)
{
    return (qRed(c) * 299 + qGreen(c) * 587 + qBlue(c) * 114) / 1000;
}

// Mean difference per channel (alpha included) between two images of one size, with colour
// taken over a white ground so see-through pixels compare alike whatever colour they hide.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    long long total = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            auto onWhite = [](int channel, int alpha) { return (channel * alpha + 255 * (255 - alpha)) / 255; };
            total += std::abs(onWhite(qRed(p), qAlpha(p)) - onWhite(qRed(q), qAlpha(q)));
            total += std::abs(onWhite(qGreen(p), qAlpha(p)) - onWhite(qGreen(q), qAlpha(q)));
            total += std::abs(onWhite(qBlue(p), qAlpha(p)) - onWhite(qBlue(q), qAlpha(q)));
            total += std::abs(qAlpha(p) - qAlpha(q));
        }
    }
    return static_cast<double>(total) / (4.0 * x.width() * x.height());
}

TEST(Logo, IsCompiledInAsAProgressiveJpegOfItsSize)
{
    QFile file(QString::fromLatin1(logoPath));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the resources are not linked into the program";
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("\xFF\xD8"));
    EXPECT_TRUE(bytes.contains("\xFF\xC2")) << "no progressive frame header";

    QImageReader reader(QString::fromLatin1(logoPath));
    EXPECT_EQ(reader.format(), "jpeg");
    const QImage image = logo();
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(253, 237));
}

TEST(Logo, IsInkOnPaper)
{
    const QImage image = logo();
    ASSERT_FALSE(image.isNull());
    long long sum = 0;
    int ink = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const int l = luminance(image.pixel(x, y));
            sum += l;
            ink += l < 120 ? 1 : 0;
        }
    }
    const int pixels = image.width() * image.height();
    EXPECT_GT(sum / pixels, 180) << "mostly light paper";
    EXPECT_GT(ink, pixels / 40) << "with strokes of ink on it";
    EXPECT_LT(ink, pixels / 4);
}

TEST(WindowIcons, EachHasItsLargeAndSmallDrawing)
{
    const struct {
        const char *name;
        QIcon icon;
    } icons[] = {{"versus", versusIcon()}, {"two-player", twoPlayerIcon()}, {"about", aboutIcon()}};
    for (const auto &entry : icons) {
        SCOPED_TRACE(entry.name);
        ASSERT_FALSE(entry.icon.isNull());
        const QList<QSize> sizes = entry.icon.availableSizes();
        EXPECT_TRUE(sizes.contains(QSize(32, 32)));
        EXPECT_TRUE(sizes.contains(QSize(16, 16)));
        // The small size is its own drawing, not the large one scaled down.
        const QImage small = entry.icon.pixmap(QSize(16, 16)).toImage();
        const QImage ownDrawing(sourcePicture(QStringLiteral("icons/%1-16.png").arg(QLatin1String(entry.name))));
        ASSERT_EQ(small.size(), QSize(16, 16));
        ASSERT_FALSE(ownDrawing.isNull());
        EXPECT_LT(meanDifference(small, ownDrawing), 0.5);
    }
}

TEST(ApplicationIcon, PixelsAreTheFortyEightPixelDrawing)
{
    const QImage compiled(QString::fromLatin1(appIconPath));
    const QImage source(appIconSource(48));
    ASSERT_FALSE(compiled.isNull());
    ASSERT_FALSE(source.isNull());
    EXPECT_EQ(compiled.size(), QSize(48, 48));
    EXPECT_EQ(compiled.convertToFormat(QImage::Format_ARGB32), source.convertToFormat(QImage::Format_ARGB32));

    const QIcon icon = applicationIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(QSize(48, 48)).size(), QSize(48, 48));
}

TEST(ApplicationIcon, ScalableDrawingMatchesTheRasterOnes)
{
    QFile svg(QString::fromLatin1(appIconScalablePath));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
    if (!QImageReader::supportedImageFormats().contains("svg"))
        GTEST_SKIP() << "Qt's SVG image plugin is not installed";

    // 64 and 256 pixels: where the raster drawings need no snapping to whole pixels.
    for (int size : {64, 256}) {
        SCOPED_TRACE(size);
        QImageReader reader(QString::fromLatin1(appIconScalablePath));
        reader.setScaledSize(QSize(size, size));
        const QImage drawn = reader.read();
        ASSERT_FALSE(drawn.isNull()) << reader.errorString().toStdString();
        const QImage raster(appIconSource(size));
        ASSERT_EQ(raster.size(), QSize(size, size));
        EXPECT_LT(meanDifference(drawn, raster), 1.5);
    }
}

} // namespace

int main(int argc, char **argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // Icons are drawn into pixmaps, which need a display; an off-screen one serves.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
