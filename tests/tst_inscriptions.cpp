#include "controls/ratiopicture.h"
#include "look/artwork.h"
#include "look/assetpaths.h"
#include "look/inscriptions.h"
#include "look/screenpictures.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QLocale>
#include <QResource>
#include <QTranslator>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// The lightest channel of a picture's pixels within a rectangle: the lettering is the lightest thing on a spine.
int brightest(const QImage &image, const QRect &area)
{
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            most = std::max({most, qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y))});
    }
    return most;
}

QRect scaled(const QRect &rect, int scale)
{
    return QRect(rect.topLeft() * scale, rect.size() * scale);
}

} // namespace

class TestInscriptions : public QObject
{
    Q_OBJECT

private slots:
    void everyNameFitsItsSpine_data() { languages(Sizes::Both); }

    // Every name sits between the gilt rules on a spine like every other: at the set's size, narrowed by no more
    // than the rule allows, and the spine unchanged outside its band.
    void everyNameFitsItsSpine()
    {
        QFETCH(QString, language);
        QFETCH(int, scale);
        const auto translator = install(language);
        const QRect lettering = scaled(QRect(12, 1, 96, 18), scale);
        const QImage first = Artwork::lyingBook(Testament::Old, 1, scale).convertToFormat(QImage::Format_RGB32);
        for (const Testament testament : {Testament::Old, Testament::New}) {
            for (int tag = 1; tag <= bookCount(testament); ++tag) {
                const QString name = shownBookName(testament, tag);
                const QFont font = Inscriptions::spineFont(name, scale);
                QVERIFY2(font.pixelSize() == Inscriptions::TitlePixelSize * scale, qPrintable(name));
                QVERIFY2(font.stretch() == 0 || font.stretch() >= Inscriptions::MinimumStretch, qPrintable(name));
                QVERIFY2(
                    QFontMetrics(font).horizontalAdvance(name) <= Inscriptions::TitleWidth * scale, qPrintable(name));

                const QImage book = Artwork::lyingBook(testament, tag, scale).convertToFormat(QImage::Format_RGB32);
                QVERIFY2(brightest(book, lettering) > 235, qPrintable(name));
                int differing = 0;
                for (int y = 0; y < book.height(); ++y) {
                    for (int x = 0; x < book.width(); ++x)
                        differing += !lettering.contains(x, y) && book.pixel(x, y) != first.pixel(x, y);
                }
                QVERIFY2(differing == 0, qPrintable(name));
            }
        }
    }

    void everyPaintedWordIsLegible_data() { languages(Sizes::Both); }

    // The panel's, the switches' and the score plaques' words may be narrowed and, if they must, made smaller, but
    // never smaller than the smallest lettering of the panel, the switches' titles.
    void everyPaintedWordIsLegible()
    {
        QFETCH(QString, language);
        QFETCH(int, scale);
        const auto translator = install(language);
        const QFont title = Inscriptions::letteringFont(Inscriptions::RockerTitlePixelSize);
        const QFont rocker = Inscriptions::letteringFont(Inscriptions::RockerPixelSize);
        const auto key = [](const QRect &well) { return Inscriptions::keyLabel(well, false, true); };
        const QStringList panel = Inscriptions::panelWords();
        const QStringList go = Inscriptions::switchWords(Artwork::Switch::Go);
        const QStringList testament = Inscriptions::switchWords(Artwork::Switch::Testament);
        const QStringList hints = Inscriptions::switchWords(Artwork::Switch::Hints);
        const QFont goFont = Inscriptions::letteringFont(Inscriptions::GoPixelSize);
        struct Place
        {
            QString word;
            QRectF place;
            QFont font;
        };
        const QFont boardTitle = Inscriptions::plaqueFont(Inscriptions::Face::Serif, Inscriptions::BoardTitlePixelSize);
        QList<Place> places {
            {testamentName(Testament::Old), Inscriptions::OldBoardTitle, boardTitle},
            {testamentName(Testament::New), Inscriptions::NewBoardTitle, boardTitle},
            {panel[0], Inscriptions::ValueCaption, Inscriptions::captionFont()},
            {panel[1], Inscriptions::ScoreCaption, Inscriptions::captionFont()},
            {testament[0], Inscriptions::RockerTitle, title},
            {hints[0], Inscriptions::RockerTitle, title},
            {testament[1], key(Inscriptions::LeftRockerKey), rocker},
            {hints[1], key(Inscriptions::LeftRockerKey), rocker},
            {testament[2], key(Inscriptions::RightRockerKey), rocker},
            {hints[2], key(Inscriptions::RightRockerKey), rocker},
            {go[0], key(Inscriptions::GoKey), goFont},
            {go[1], key(Inscriptions::StopKey), goFont},
        };
        const QStringList congrats = Inscriptions::congratsWords();
        for (qsizetype i = 0; i < congrats.size(); ++i) {
            const Inscriptions::PlaqueLine &line = Inscriptions::CongratsLines[i];
            places.append({congrats[i], line.place, Inscriptions::plaqueFont(line.face, line.pixelSize)});
        }
        for (const auto &place : places) {
            const QFont font = Inscriptions::placed(place.font, place.word, place.place, scale);
            QVERIFY2(font.pixelSize() >= Inscriptions::RockerTitlePixelSize * scale,
                qPrintable(QStringLiteral("%1 at %2 px").arg(place.word).arg(font.pixelSize())));
        }
    }

    void theFirstPaintComesLetteredInEveryLanguage_data() { languages(Sizes::Ordinary); }

    // The splash, the panel, the switches and the standing books of the first paint come lettered when the program
    // was built, in the player's language, and drawn where they lie: exactly what the program would letter itself.
    void theFirstPaintComesLetteredInEveryLanguage()
    {
        QFETCH(QString, language);
        const auto translator = install(language);
        const QString folder = QStringLiteral(":/") + ScreenPictures::LetteredFolder;
        const QStringList languages = QDir(folder).entryList();
        const auto check = [&](const QString &picture, const QStringList &words, const QImage &shown,
                               const QImage &lettered) {
            const QString name = ScreenPictures::lettered(picture, words);
            QVERIFY2(
                QResource(QStringLiteral("%1/%2/%3").arg(folder, language.isEmpty() ? "en" : language, name)).isValid(),
                qPrintable(words.join(QLatin1Char(' '))));
            // Where the same words come in more than one language, any of them will do.
            QVERIFY(std::any_of(languages.cbegin(), languages.cend(), [&](const QString &other) {
                const QResource ready(QStringLiteral("%1/%2/%3").arg(folder, other, name));
                return ready.isValid()
                    && shown.constBits() == ready.data() + ScreenPictures::HeaderWords * sizeof(quint32);
            }));
            QCOMPARE(shown, lettered);
        };
        QImage splash = RatioPicture::keyed(QImage(QStringLiteral(":/") + AssetPaths::splash()));
        Inscriptions::letterSplash(splash, 1);
        check(AssetPaths::splash(), Inscriptions::splashWords(), Artwork::keyedSplash(), splash);
        QImage panel = RatioPicture::keyed(QImage(QStringLiteral(":/") + AssetPaths::panel()));
        Inscriptions::letterPanel(panel, 1);
        check(AssetPaths::panel(), Inscriptions::panelWords(), Artwork::keyedPanel(), panel);
        for (const auto which : {Artwork::Switch::Go, Artwork::Switch::Testament, Artwork::Switch::Hints}) {
            for (const bool checked : {false, true}) {
                const QString path = AssetPaths::switchPicture(which, checked);
                QImage picture = QImage(QStringLiteral(":/") + path).convertToFormat(QImage::Format_RGB32);
                Inscriptions::letterSwitch(picture, which, checked, 1);
                check(path, Inscriptions::switchWords(which), Artwork::switchPicture(which, checked), picture);
            }
        }
        for (int tag = 1; tag <= OTBookCount; ++tag) {
            check(ScreenPictures::StandingBook, {shownBookName(Testament::Old, tag)},
                Artwork::standingBook(Testament::Old, tag),
                Artwork::lyingBook(Testament::Old, tag).transformed(QTransform().rotate(90)));
        }
    }

private:
    // English and every translation compiled into the program, with pictures at their ordinary size and, for
    // `Sizes::Both`, twice that size.
    enum class Sizes { Ordinary, Both };
    static void languages(Sizes sizes)
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("scale");
        QStringList languages {QString()};
        for (const QString &file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("tomelor_*.qm")}))
            languages.append(file.mid(8).chopped(3));
        for (const int scale : {1, 2}) {
            for (const QString &language : std::as_const(languages)) {
                QTest::addRow("%s, scale %d", language.isEmpty() ? "en" : qPrintable(language), scale)
                    << language << scale;
            }
            if (sizes == Sizes::Ordinary)
                break;
        }
    }

    // The translation loaded as the program loads the player's.
    static std::unique_ptr<QTranslator> install(const QString &language)
    {
        auto translator = std::make_unique<QTranslator>();
        if (language.isEmpty()
            || !translator->load(
                QLocale(language), QStringLiteral("tomelor"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            return nullptr;
        QCoreApplication::installTranslator(translator.get());
        return translator;
    }
};

QTEST_MAIN(TestInscriptions)
#include "tst_inscriptions.moc"
