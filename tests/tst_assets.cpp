#include "app/splashoutline.h"
#include "controls/image.h"
#include "controls/ratiopicture.h"
#include "look/artwork.h"
#include "look/assetpaths.h"
#include "look/gamefont.h"
#include "look/screenpictures.h"
#include "transparency.h"

#include <QFile>
#include <QFontInfo>
#include <QImageReader>
#include <QRegion>
#include <QResource>
#include <QtEndian>
#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

QByteArray resourceBytes(const QString &path)
{
    QFile file(QStringLiteral(":/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 u32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 u16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// Key-coloured pixels that cannot be reached from the picture's border through other key-coloured pixels: holes
// that transparent drawing would punch into the art.
int strayKeyPixels(const QImage &picture, QRgb key)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int width = image.width();
    const int height = image.height();
    const auto isKey = [&](int x, int y) { return (image.pixel(x, y) | 0xff000000U) == (key | 0xff000000U); };
    std::vector<char> reached(std::size_t(width * height), 0);
    std::vector<QPoint> pending;
    for (int x = 0; x < width; ++x) {
        pending.emplace_back(x, 0);
        pending.emplace_back(x, height - 1);
    }
    for (int y = 0; y < height; ++y) {
        pending.emplace_back(0, y);
        pending.emplace_back(width - 1, y);
    }
    while (!pending.empty()) {
        const QPoint at = pending.back();
        pending.pop_back();
        if (at.x() < 0 || at.y() < 0 || at.x() >= width || at.y() >= height)
            continue;
        char &seen = reached[std::size_t(at.y() * width + at.x())];
        if (seen || !isKey(at.x(), at.y()))
            continue;
        seen = 1;
        pending.insert(pending.end(), { at + QPoint(1, 0), at - QPoint(1, 0), at + QPoint(0, 1), at - QPoint(0, 1) });
    }
    int stray = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            stray += isKey(x, y) && !reached[std::size_t(y * width + x)];
    }
    return stray;
}

// The largest channel of the lightest pixel in a rectangle.
int brightest(const QImage &image, const QRect &area)
{
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            most = std::max({ most, qRed(pixel), qGreen(pixel), qBlue(pixel) });
        }
    }
    return most;
}

const QColor NoKey;

} // namespace

class TestAssets : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreUncompressedBottomUpBitmaps_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("bitsPerPixel");
        QTest::addColumn<QColor>("key");

        const QColor white(255, 255, 255);
        QTest::newRow("bookcase") << AssetPaths::bookcase() << QSize(631, 301) << 8 << white;
        QTest::newRow("panel") << AssetPaths::panel() << QSize(630, 100) << 24 << QColor(192, 192, 192);
        QTest::newRow("Old Testament board")
            << AssetPaths::scoreBoard(Testament::Old) << QSize(299, 376) << 24 << white;
        QTest::newRow("New Testament board")
            << AssetPaths::scoreBoard(Testament::New) << QSize(298, 375) << 24 << white;
        QTest::newRow("congratulation backdrop") << AssetPaths::congratsBackdrop() << QSize(375, 253) << 24 << white;
        QTest::newRow("splash") << AssetPaths::splash() << QSize(332, 305) << 24 << QColor(240, 230, 241);
        QTest::newRow("spine") << AssetPaths::spine() << QSize(120, 20) << 24 << NoKey;
        const std::pair<Artwork::Switch, QSize> switches[] = { { Artwork::Switch::Go, QSize(128, 82) },
            { Artwork::Switch::Testament, QSize(78, 42) }, { Artwork::Switch::Hints, QSize(78, 42) } };
        for (const auto &[which, size] : switches) {
            for (const bool checked : { false, true }) {
                const QString path = AssetPaths::switchPicture(which, checked);
                QTest::newRow(qPrintable(path)) << path << size << 24 << NoKey;
            }
        }
    }

    void picturesAreUncompressedBottomUpBitmaps()
    {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        QFETCH(int, bitsPerPixel);
        QFETCH(QColor, key);

        const QByteArray bytes = resourceBytes(path);
        QVERIFY2(bytes.size() > 54, qPrintable(path));
        QCOMPARE(bytes.left(2), QByteArray("BM"));
        QCOMPARE(u32(bytes, 2), quint32(bytes.size()));
        QCOMPARE(u32(bytes, 14), 40u);
        QCOMPARE(int(u32(bytes, 18)), size.width());
        // A positive height: rows stored bottom-up.
        QCOMPARE(int(qint32(u32(bytes, 22))), size.height());
        QCOMPARE(u16(bytes, 26), quint16(1));
        QCOMPARE(int(u16(bytes, 28)), bitsPerPixel);
        QCOMPARE(u32(bytes, 30), 0u);
        const int paletteEntries = bitsPerPixel == 8 ? 256 : 0;
        if (bitsPerPixel == 8)
            QVERIFY(u32(bytes, 46) == 0 || u32(bytes, 46) == 256);
        const int offset = 14 + 40 + 4 * paletteEntries;
        QCOMPARE(int(u32(bytes, 10)), offset);
        const int stride = (size.width() * bitsPerPixel / 8 + 3) / 4 * 4;
        QCOMPARE(bytes.size(), offset + stride * size.height());

        const QImage picture(QStringLiteral(":/") + path);
        QCOMPARE(picture.size(), size);
        if (bitsPerPixel == 8) {
            QCOMPARE(picture.format(), QImage::Format_Indexed8);
            QCOMPARE(picture.colorCount(), 256);
        }
        if (key.isValid()) {
            QCOMPARE(TImage::keyColor(picture), key);
            QCOMPARE(strayKeyPixels(picture, key.rgb()), 0);
        }
    }

    void onlyTheBookcasePaletteEntryOfTheKeyIsWhite()
    {
        const QImage bookcase = Artwork::bookcase();
        const QList<QRgb> palette = bookcase.colorTable();
        QCOMPARE(palette.count(qRgb(255, 255, 255)), 1);
    }

    void standingBooksAreTheLyingOnesTurnedClockwise()
    {
        for (const Testament testament : { Testament::Old, Testament::New }) {
            for (int tag = 1; tag <= bookCount(testament); ++tag) {
                const QImage lying = Artwork::lyingBook(testament, tag);
                const QImage standing = Artwork::standingBook(testament, tag);
                QCOMPARE(standing.size(), lying.size().transposed());
                // The lying picture's left end is the standing one's top; its top edge turns to the right.
                QCOMPARE(standing, lying.transformed(QTransform().rotate(90)));
            }
        }
    }

    void everyBookHasItsOwnPicture()
    {
        QSet<QByteArray> distinct;
        for (const Testament testament : { Testament::Old, Testament::New }) {
            for (int tag = 1; tag <= bookCount(testament); ++tag) {
                const QImage book = Artwork::lyingBook(testament, tag);
                distinct.insert(QByteArray(reinterpret_cast<const char *>(book.constBits()), book.sizeInBytes()));
            }
        }
        QCOMPARE(distinct.size(), OTBookCount + NTBookCount);
    }

    // Every picture also comes drawn at twice its size, with the key colour of a transparent one left out; on a
    // screen of ratio 1.5 it is drawn down from that, and no key-coloured pixel shows.
    void everyPictureComesAtTwiceItsSize()
    {
        const QStringList opaque { AssetPaths::switchPicture(Artwork::Switch::Go, false),
                                   AssetPaths::switchPicture(Artwork::Switch::Hints, true), AssetPaths::spine() };
        for (const QString &path : opaque) {
            const QImage larger(QStringLiteral(":/") + AssetPaths::doubleSize(path));
            QCOMPARE(larger.size(), QImage(QStringLiteral(":/") + path).size() * 2);
            QVERIFY2(!larger.hasAlphaChannel(), qPrintable(path));
        }

        const QList<std::pair<QString, QSize>> transparent {
            { AssetPaths::bookcase(), QSize(632, 300) }, { AssetPaths::panel(), QSize(630, 100) },
            { AssetPaths::scoreBoard(Testament::Old), QSize(299, 375) },
            { AssetPaths::scoreBoard(Testament::New), QSize(299, 375) },
            { AssetPaths::congratsBackdrop(), QSize(374, 253) }, { AssetPaths::splash(), QSize(332, 305) }
        };
        for (const auto &[path, frame] : transparent) {
            const QImage picture(QStringLiteral(":/") + path);
            const QImage larger(QStringLiteral(":/") + AssetPaths::doubleSize(path));
            QCOMPARE(larger.size(), picture.size() * 2);
            QCOMPARE(larger.pixelColor(0, larger.height() - 1).alpha(), 0);

            QWidget window;
            window.resize(frame);
            paintBackdrop(window, Qt::magenta);
            auto *image = new TImage(&window);
            image->setGeometry(QRect(QPoint(0, 0), frame));
            image->setPicture(picture, [&larger] { return larger; });
            image->setTransparent(true);
            QImage shown((QSizeF(frame) * 1.5).toSize(), QImage::Format_RGB32);
            shown.setDevicePixelRatio(1.5);
            window.render(&shown);
            const QRgb key = TImage::keyColor(picture).rgb();
            int keyed = 0;
            for (int y = 0; y < shown.height(); ++y) {
                for (int x = 0; x < shown.width(); ++x)
                    keyed += shown.pixel(x, y) == key;
            }
            QVERIFY2(keyed == 0, qPrintable(path));
        }
    }

    void theBookcaseIsOpenBetweenThePostsAboveEachBoard()
    {
        const QImage bookcase = Artwork::bookcase().convertToFormat(QImage::Format_RGB32);
        // The margin left and right of the case shows the window; inside, the back and the boards are wood.
        QCOMPARE(bookcase.pixelColor(0, 150), QColor(Qt::white));
        QCOMPARE(bookcase.pixelColor(630, 150), QColor(Qt::white));
        for (const int y : { 21, 80, 140, 156, 220, 275 }) {
            for (const int x : { 22, 300, 601 })
                QVERIFY(bookcase.pixelColor(x, y) != QColor(Qt::white));
        }
    }

    void theBookcaseFrameShowsTheWindowThroughTheMargin()
    {
        QWidget window;
        window.resize(640, 310);
        paintBackdrop(window, Qt::green);
        transparentPicture(window, QRect(0, 0, 632, 300), Artwork::bookcase());

        const QImage shown = window.grab().toImage();
        QCOMPARE(shown.pixelColor(0, 150), QColor(Qt::green));
        QCOMPARE(shown.pixelColor(631, 150), QColor(Qt::green)); // one column wider than the picture
        QVERIFY(shown.pixelColor(300, 80) != QColor(Qt::green));
        QVERIFY(shown.pixelColor(15, 150) != QColor(Qt::green));
    }

    void thePanelHasDarkScreensAndAFlatSwitchPlate()
    {
        const QImage panel = Artwork::panel().convertToFormat(QImage::Format_RGB32);
        // Where the main window puts the two displays, in the panel's coordinates, with a pixel to spare.
        QVERIFY(brightest(panel, QRect(28, 21, 68, 23)) < 30);
        QVERIFY(brightest(panel, QRect(205, 26, 165, 47)) < 30);
        const QRgb plate = qRgb(0, 189, 189);
        for (int y = 4; y < 96; ++y) {
            for (int x = 398; x < 622; ++x)
                QCOMPARE(panel.pixel(x, y), plate);
        }
    }

    void switchesStandOnThePanelColour_data()
    {
        QTest::addColumn<int>("which");
        QTest::addColumn<bool>("checked");
        for (const int which : { 0, 1, 2 }) {
            for (const bool checked : { false, true })
                QTest::addRow("switch %d %s", which, checked ? "checked" : "unchecked") << which << checked;
        }
    }

    void switchesStandOnThePanelColour()
    {
        QFETCH(int, which);
        QFETCH(bool, checked);
        const QImage picture = Artwork::switchPicture(Artwork::Switch(which), checked);
        const QColor plate(0, 189, 189);
        QCOMPARE(picture.pixelColor(0, 0), plate);
        QCOMPARE(picture.pixelColor(0, picture.height() - 1), plate);
        QVERIFY(Artwork::switchPicture(Artwork::Switch(which), !checked) != picture);
    }

    void scoreBoardSlotsAreDarkWhereLabelsAndDisplaysLie_data()
    {
        QTest::addColumn<int>("testament");
        QTest::addColumn<QPoint>("label");
        QTest::addColumn<QPoint>("display");
        QTest::newRow("Old") << int(Testament::Old) << QPoint(81, 70) << QPoint(158, 76);
        QTest::newRow("New") << int(Testament::New) << QPoint(80, 68) << QPoint(157, 74);
    }

    void scoreBoardSlotsAreDarkWhereLabelsAndDisplaysLie()
    {
        QFETCH(int, testament);
        QFETCH(QPoint, label);
        QFETCH(QPoint, display);
        const QImage board = Artwork::scoreBoard(Testament(testament)).convertToFormat(QImage::Format_RGB32);
        for (int row = 0; row < 5; ++row) {
            const QPoint down(0, 58 * row);
            QVERIFY(brightest(board, QRect(label + down, QSize(74, 36))) < 40);
            QVERIFY(brightest(board, QRect(display + down, QSize(107, 23))) < 40);
        }
    }

    void theInitialsFieldIsLightButNotTheKey()
    {
        const QImage backdrop = Artwork::congratsBackdrop().convertToFormat(QImage::Format_RGB32);
        const QRect field(100, 168, 169, 61);
        for (int y = field.top(); y <= field.bottom(); ++y) {
            for (int x = field.left(); x <= field.right(); ++x) {
                const QColor colour = backdrop.pixelColor(x, y);
                QVERIFY(colour.lightness() > 200);
                QVERIFY(colour != QColor(Qt::white));
            }
        }
    }

    void theSplashArtFillsTheWindowOutline()
    {
        const QImage art = Artwork::splash().convertToFormat(QImage::Format_RGB32);
        const QRgb key = qRgb(240, 230, 241);
        const QRegion window(SplashOutline::polygon(), Qt::OddEvenFill);
        int inside = 0;
        for (const QRect &rect : window) {
            for (int y = rect.top(); y <= rect.bottom(); ++y) {
                for (int x = rect.left(); x <= rect.right(); ++x) {
                    const QPoint at = QPoint(x, y) - SplashOutline::ArtOrigin;
                    QVERIFY(art.rect().contains(at));
                    QVERIFY2(art.pixel(at) != key, qPrintable(QStringLiteral("hole at %1,%2").arg(x).arg(y)));
                    ++inside;
                }
            }
        }
        QVERIFY(inside > 80000);
    }

    // The first paint's pictures come converted when the program was built, pixel for pixel what the stored
    // pictures give, keyed where drawn transparently; those that carry no words are drawn where they lie in the
    // program, never decoded or copied.
    void firstPaintPicturesAreTheStoredOnesReadyToDraw_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("keyed");
        for (const ScreenPictures::Picture &picture : ScreenPictures::firstPaint())
            QTest::newRow(qPrintable(picture.asset)) << picture.asset << picture.keyed;
        QCOMPARE(ScreenPictures::firstPaint().size(), 3 + 6 + 1);
    }

    void firstPaintPicturesAreTheStoredOnesReadyToDraw()
    {
        QFETCH(QString, path);
        QFETCH(bool, keyed);

        const QResource converted(QStringLiteral(":/") + ScreenPictures::converted(path));
        QCOMPARE(converted.compressionAlgorithm(), QResource::NoCompression);
        const auto *header = reinterpret_cast<const quint32 *>(converted.data());
        const auto *pixels = reinterpret_cast<const uchar *>(header + ScreenPictures::HeaderWords);
        const QImage ready(pixels, int(header[0]), int(header[1]), QImage::Format(header[2]));
        const QImage stored(QStringLiteral(":/") + path);
        QCOMPARE(ready, keyed ? RatioPicture::keyed(stored) : stored.convertToFormat(QImage::Format_RGB32));
    }

    void unletteredFirstPaintPicturesAreDrawnWhereTheyLie()
    {
        const QImage ready = Artwork::keyedBookcase();
        const QResource converted(QStringLiteral(":/") + ScreenPictures::converted(AssetPaths::bookcase()));
        QCOMPARE(ready.constBits(), converted.data() + ScreenPictures::HeaderWords * sizeof(quint32));
        QCOMPARE(RatioPicture::keyed(ready).constBits(), ready.constBits());
    }

    void theIconHoldsTwoPalettedSizesWithMasks()
    {
        const QByteArray bytes = resourceBytes(AssetPaths::programIcon());
        QVERIFY(bytes.size() > 6);
        QCOMPARE(u16(bytes, 0), quint16(0));
        QCOMPARE(u16(bytes, 2), quint16(1));
        QCOMPARE(u16(bytes, 4), quint16(2));
        const int sizes[] = { 32, 16 };
        for (int i = 0; i < 2; ++i) {
            const int entry = 6 + 16 * i;
            const int size = sizes[i];
            QCOMPARE(int(quint8(bytes[entry])), size);
            QCOMPARE(int(quint8(bytes[entry + 1])), size);
            QCOMPARE(u16(bytes, entry + 6), quint16(8));
            const int offset = int(u32(bytes, entry + 12));
            const int length = int(u32(bytes, entry + 8));
            QVERIFY(offset + length <= bytes.size());
            QCOMPARE(u32(bytes, offset), 40u);
            QCOMPARE(int(u32(bytes, offset + 4)), size);
            QCOMPARE(int(u32(bytes, offset + 8)), 2 * size); // colour rows and mask rows
            QCOMPARE(u16(bytes, offset + 14), quint16(8));
            const int colourRows = size * ((size + 3) / 4 * 4);
            const int maskRows = size * ((size + 31) / 32 * 4);
            QCOMPARE(length, 40 + 256 * 4 + colourRows + maskRows);
        }

        const QIcon icon = Artwork::programIcon();
        QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
        const QImage large = icon.pixmap(32, 32).toImage();
        QCOMPARE(qAlpha(large.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(large.pixel(16, 20)), 255);
    }

    void theThemeIconsArePngsOfTheSameShelf_data()
    {
        QTest::addColumn<int>("size");
        for (const int size : AssetPaths::ThemeIconSizes)
            QTest::addRow("%dx%d", size, size) << size;
    }

    void theThemeIconsArePngsOfTheSameShelf()
    {
        QFETCH(int, size);

        QImageReader reader(QStringLiteral(":/") + AssetPaths::themeIcon(size));
        QCOMPARE(reader.format(), QByteArray("png"));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.size(), QSize(size, size));
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, 0)), 0);

        // Burgundy, navy, forest and ochre from left to right, sampled below each spine's middle, where the 32 px
        // layout has plain cloth at every size.
        const struct
        {
            double x;
            int hue;
        } spines[] = { { 4.4, 354 }, { 12.1, 226 }, { 19.1, 142 }, { 25.8, 37 } };
        for (const auto &spine : spines) {
            const QColor colour = QColor::fromRgba(image.pixel(int(spine.x * size / 32), 19 * size / 32));
            QCOMPARE(colour.alpha(), 255);
            const int off = std::abs(colour.hsvHue() - spine.hue);
            QVERIFY2(std::min(off, 360 - off) <= 20, qPrintable(colour.name()));
        }

        // The sizes the icon file holds are the very same pixels.
        QImageReader icoReader(QStringLiteral(":/") + AssetPaths::programIcon());
        do {
            const QImage frame = icoReader.read().convertToFormat(QImage::Format_ARGB32);
            if (frame.size() == image.size())
                QCOMPARE(frame, image);
        } while (icoReader.jumpToNextImage());
        QCOMPARE(Artwork::programIcon().availableSizes().contains(QSize(size, size)),
                 size <= Artwork::WindowIconLargest);
    }

    void cuesArePlainMonoPcm_data()
    {
        QTest::addColumn<int>("cue");
        QTest::addColumn<int>("sampleRate");
        QTest::addColumn<int>("bitsPerSample");
        QTest::addColumn<int>("samples");
        QTest::newRow("CueCorrect") << int(Cue::CueCorrect) << 22000 << 8 << 5376;
        QTest::newRow("CueWrong") << int(Cue::CueWrong) << 22050 << 8 << 7545;
        QTest::newRow("CueTimeOut") << int(Cue::CueTimeOut) << 22050 << 16 << 5463;
    }

    void cuesArePlainMonoPcm()
    {
        QFETCH(int, cue);
        QFETCH(int, sampleRate);
        QFETCH(int, bitsPerSample);
        QFETCH(int, samples);

        const QByteArray bytes = resourceBytes(AssetPaths::cue(Cue(cue)));
        QVERIFY(bytes.size() > 44);
        QCOMPARE(bytes.left(4), QByteArray("RIFF"));
        QCOMPARE(int(u32(bytes, 4)), bytes.size() - 8);
        QCOMPARE(bytes.mid(8, 4), QByteArray("WAVE"));

        QByteArray data;
        bool formatSeen = false;
        for (int at = 12; at + 8 <= bytes.size();) {
            const QByteArray id = bytes.mid(at, 4);
            const int length = int(u32(bytes, at + 4));
            if (id == "fmt ") {
                QCOMPARE(length, 16);
                QCOMPARE(u16(bytes, at + 8), quint16(1));
                QCOMPARE(u16(bytes, at + 10), quint16(1));
                QCOMPARE(int(u32(bytes, at + 12)), sampleRate);
                QCOMPARE(int(u32(bytes, at + 16)), sampleRate * bitsPerSample / 8);
                QCOMPARE(int(u16(bytes, at + 20)), bitsPerSample / 8);
                QCOMPARE(int(u16(bytes, at + 22)), bitsPerSample);
                formatSeen = true;
            } else if (id == "data") {
                data = bytes.mid(at + 8, length);
                QCOMPARE(data.size(), length);
            }
            at += 8 + length + length % 2;
        }
        QVERIFY(formatSeen);
        QCOMPARE(data.size(), samples * bitsPerSample / 8);

        // Silent at both ends, so the cue neither starts nor stops with a click.
        const auto sample = [&](int i) {
            return bitsPerSample == 8 ? (int(quint8(data[i])) - 128) * 256 : int(qint16(u16(data, 2 * i)));
        };
        for (const int i : { 0, 1, samples - 2, samples - 1 })
            QVERIFY2(std::abs(sample(i)) <= 256, qPrintable(QString::number(i)));
        int loudest = 0;
        for (int i = 0; i < samples; ++i)
            loudest = std::max(loudest, std::abs(sample(i)));
        QVERIFY(loudest > 8000);
    }

    // The fonts are read in place, so they must lie uncompressed in the program; both weights reach the game's
    // text under the classic family's name, and the serif the score plaques' lettering.
    void theBundledFontsServeTheGameText()
    {
        for (const char *path : { ":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf",
                 ":/fonts/LiberationSerif-Bold.ttf", ":/fonts/LiberationSerif-Italic.ttf" }) {
            const QResource font(QString::fromLatin1(path));
            QVERIFY2(font.isValid(), path);
            QCOMPARE(font.compressionAlgorithm(), QResource::NoCompression);
        }
        const QFontInfo regular(gameFont(13));
        QCOMPARE(regular.family(), QStringLiteral("Liberation Sans"));
        QVERIFY(!regular.bold());
        const QFontInfo bold(gameFont(30, true));
        QCOMPARE(bold.family(), QStringLiteral("Liberation Sans"));
        QVERIFY(bold.bold());
        QCOMPARE(serifFamily(), QStringLiteral("Liberation Serif"));
    }
};

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
