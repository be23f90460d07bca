// The generated pictures (tools/make-pictures) have details the windows rely
// on: sizes, a 24-bit grey painting with its drawn frame, a 32-bit icon at
// every desktop size, a one-frame 64-colour GIF that stays opaque, and the page's
// renderings with the same pixels. Read them as Qt will, and the raw headers
// where Qt hides the detail.

#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include "Figuras.h"

namespace {

QString asset(const QString& name) {
    return QString(MORVANTIS_ASSETS_DIR) + "/" + name;
}

QByteArray bytesOf(const QString& name) {
    QFile file(asset(name));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(name);
    return file.readAll();
}

quint32 le(const QByteArray& b, int at, int width) {
    quint32 v = 0;
    for (int i = width - 1; i >= 0; --i) v = (v << 8) | quint8(b.at(at + i));
    return v;
}

TEST(Painting, Is24BitGreyWithTheMarginAndSunkenBevel) {
    const QByteArray b = bytesOf("painting.bmp");
    ASSERT_GE(b.size(), 54);
    EXPECT_EQ(b.left(2), "BM");
    EXPECT_EQ(le(b, 28, 2), 24u);
    EXPECT_EQ(le(b, 30, 4), 0u);  // uncompressed
    const QImage img(asset("painting.bmp"));
    ASSERT_EQ(img.size(), QSize(219, 315));
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
        }
    // {x, y, grey}: margin 7/6/8/6 of 191; bevel outer 127 and inner 0 on top
    // and left, outer 255 and inner 223 on bottom and right, the light lines
    // owning the top-right and bottom-left corners.
    const int frame[][3] = {
        {0, 0, 191},     {6, 150, 191},   {100, 5, 191}, {211, 150, 191}, {100, 309, 191}, {218, 314, 191},
        {100, 6, 127},   {7, 150, 127},   {100, 7, 0},   {8, 150, 0},     {100, 308, 255}, {210, 150, 255},
        {100, 307, 223}, {209, 150, 223}, {7, 6, 127},   {210, 6, 255},   {7, 308, 255},   {210, 308, 255},
        {8, 7, 0},       {209, 7, 223},   {8, 307, 223}, {209, 307, 223},
    };
    for (const auto& f : frame) EXPECT_EQ(qRed(img.pixel(f[0], f[1])), f[2]) << "at " << f[0] << "," << f[1];
}

TEST(Painting, SceneIsDarkWithTheLightAtTheTopCentre) {
    const QImage img(asset("painting.bmp"));
    ASSERT_EQ(img.size(), QSize(219, 315));
    const QRect scene(9, 8, 200, 299);  // inside the bevel
    int lo = 255, hi = 0;
    auto mean = [&](const QRect& r) {
        long sum = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x) {
                const int v = qRed(img.pixel(x, y));
                sum += v, lo = qMin(lo, v), hi = qMax(hi, v);
            }
        return double(sum) / (r.width() * r.height());
    };
    const double whole = mean(scene);
    EXPECT_LT(whole, 96);
    EXPECT_GT(mean({scene.center().x() - 10, scene.top(), 20, 12}), whole + 40);
    EXPECT_LT(mean({scene.left(), scene.bottom() - 20, 20, 20}), whole);
    EXPECT_TRUE(lo < 16 && hi > 200) << "not a flat fill: " << lo << ".." << hi;
}

constexpr int TamanhosIcone[] = {16, 24, 32, 48, 64, 128, 256};

TEST(Icon, HoldsSevenSizesOf32BitImagesTheLargestAPng) {
    const QByteArray b = bytesOf("morvantis.ico");
    ASSERT_GE(b.size(), 6 + 7 * 16);
    EXPECT_EQ(le(b, 2, 2), 1u);  // icon, not cursor
    ASSERT_EQ(le(b, 4, 2), 7u);
    for (int i = 0; i < 7; ++i) {
        const int entry = 6 + 16 * i, n = TamanhosIcone[i], at = int(le(b, entry + 12, 4));
        SCOPED_TRACE(n);
        EXPECT_EQ(quint8(b.at(entry)), n % 256);
        EXPECT_EQ(le(b, entry + 6, 2), 32u);  // bits per pixel
        ASSERT_LE(at + int(le(b, entry + 8, 4)), b.size());
        if (n == 256) {
            EXPECT_EQ(b.mid(at, 8), QByteArray("\x89PNG\r\n\x1a\n", 8));
            continue;
        }
        ASSERT_EQ(le(b, at, 4), 40u) << "a BITMAPINFOHEADER";
        EXPECT_EQ(le(b, at + 8, 4), quint32(2 * n));  // image and AND mask
        EXPECT_EQ(le(b, at + 14, 2), 32u);
        EXPECT_EQ(int(le(b, entry + 8, 4)), 40 + 4 * n * n + (n + 31) / 32 * 4 * n);
    }
}

// The small images are pixel-exact (the 16 colours, clear or opaque); the
// desktop's icon theme holds the same images as the ICO.
TEST(Icon, QtReadsEverySizeAsTheSnowflakeTheThemeHoldsTheSamePixels) {
    QImageReader reader(asset("morvantis.ico"));
    ASSERT_EQ(reader.imageCount(), 7);
    for (const int n : TamanhosIcone) {
        SCOPED_TRACE(n);
        const QImage img = reader.read().convertToFormat(QImage::Format_ARGB32);
        reader.jumpToNextImage();
        ASSERT_EQ(img.size(), QSize(n, n)) << qPrintable(reader.errorString());
        EXPECT_EQ(qAlpha(img.pixel(0, 0)), 0);
        EXPECT_EQ(
            img,
            QImage(asset(QString("icons/morvantis-%1.png").arg(n))).convertToFormat(QImage::Format_ARGB32));
        if (n > 32) {
            continue;
        }
        // The white heart; the 16 px image is fitted to a 15-pixel grid.
        const int mid = n == 16 ? 7 : n / 2;
        EXPECT_EQ(img.pixel(mid, mid), qRgb(255, 255, 255));
        QSet<QRgb> colours;
        for (int y = 0; y < n; ++y)
            for (int x = 0; x < n; ++x) {
                const int alpha = qAlpha(img.pixel(x, y));
                EXPECT_TRUE(alpha == 0 || alpha == 255) << "clear or opaque";
                if (alpha == 255) colours.insert(img.pixel(x, y) & 0xffffff);
            }
        EXPECT_LE(colours.size(), 16);
        for (QRgb c : {0x000000u, 0x008080u, 0x00ffffu, 0xffffffu})
            EXPECT_TRUE(colours.contains(c)) << std::hex << c;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "test_pictures", *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    const QList<QSize> sizes = QIcon(asset("morvantis.ico")).availableSizes();
    for (const int n : TamanhosIcone) EXPECT_TRUE(sizes.contains(QSize(n, n))) << n;
}

TEST(Banner, IsOneOpaqueFrameWithA64ColourPalette) {
    const QByteArray b = bytesOf("banner.gif");
    const int gce = 13 + 64 * 3;
    ASSERT_GE(b.size(), gce + 9);
    EXPECT_EQ(b.left(6), "GIF89a");
    EXPECT_EQ(le(b, 6, 2), 175u);
    EXPECT_EQ(le(b, 8, 2), 50u);
    EXPECT_EQ(quint8(b.at(10)) & 0x87, 0x85) << "a global table of 2^(5+1) colours";
    EXPECT_EQ(le(b, gce, 3), 0x04f921u) << "graphic control extension";
    EXPECT_TRUE(b.at(gce + 3) & 1) << "a transparent index is set";
    EXPECT_EQ(quint8(b.at(gce + 8)), 0x2c) << "the image follows";
    QImageReader reader(asset("banner.gif"));
    EXPECT_EQ(reader.imageCount(), 1);

    const QImage img = reader.read();
    ASSERT_EQ(img.size(), QSize(175, 50));
    bool white = false, red = false;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            // Qt expands GIFs to ARGB32 and gives the transparent index
            // alpha 0, so a pixel using it shows up here.
            const QRgb p = img.pixel(x, y);
            ASSERT_EQ(qAlpha(p), 255) << x << "," << y << " uses index " << int(quint8(b.at(gce + 6)));
            white = white || (qRed(p) > 240 && qGreen(p) > 240 && qBlue(p) > 240);
            red = red || (qRed(p) > 100 && qGreen(p) < 40 && qBlue(p) < 40);
        }
    EXPECT_TRUE(white && red) << "white letters over a red band";
    EXPECT_EQ(img.pixel(0, 0), qRgb(0, 0, 0)) << "black ground";
}

// The page serves each picture in a format of its own (assets/web/, from the
// same run of tools/make-pictures): the same size and pixels, opaque.
TEST(PagePictures, HaveTheDesktopPicturesPixels) {
    using morvantis::janelas::Figura;
    for (const Figura figura : morvantis::janelas::Figuras) {
        const auto arquivo = morvantis::janelas::ArquivoFigura(figura);
        const auto nome = morvantis::janelas::NomeFigura(figura);
        const QImage desktop = QImage(asset(QString::fromUtf8(arquivo.data(), qsizetype(arquivo.size()))))
                                   .convertToFormat(QImage::Format_ARGB32);
        const QImage pagina =
            QImage(asset("web/" + QString::fromUtf8(nome.data(), qsizetype(nome.size())) + ".png"))
                .convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(desktop.isNull() || pagina.isNull()) << nome;
        ASSERT_EQ(pagina.size(), desktop.size()) << nome;
        int diferentes = 0;
        for (int y = 0; y < desktop.height(); ++y)
            for (int x = 0; x < desktop.width(); ++x) diferentes += pagina.pixel(x, y) != desktop.pixel(x, y);
        EXPECT_EQ(diferentes, 0) << nome;
    }
}

}  // namespace
