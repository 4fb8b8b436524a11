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

// The names and painted words of each translation, in the catalogue's order, as a translator that knows nothing
// else.
struct Language
{
    const char *code;
    const char *books; // the 66 names, comma-separated
    const char *words; // VALUE, SCORE, TESTAMENT, OLD, NEW, HINTS, OFF, ON, GO!, STOP
};

const Language Languages[] {
    { "es",
        "Génesis,Éxodo,Levítico,Números,Deuteronomio,Josué,Jueces,Rut,1 Samuel,2 Samuel,1 Reyes,2 Reyes,1 Crónicas,"
        "2 Crónicas,Esdras,Nehemías,Ester,Job,Salmos,Proverbios,Eclesiastés,Cantares,Isaías,Jeremías,Lamentaciones,"
        "Ezequiel,Daniel,Oseas,Joel,Amós,Abdías,Jonás,Miqueas,Nahúm,Habacuc,Sofonías,Hageo,Zacarías,Malaquías,"
        "Mateo,Marcos,Lucas,Juan,Hechos,Romanos,1 Corintios,2 Corintios,Gálatas,Efesios,Filipenses,Colosenses,"
        "1 Tesalonicenses,2 Tesalonicenses,1 Timoteo,2 Timoteo,Tito,Filemón,Hebreos,Santiago,1 Pedro,2 Pedro,"
        "1 Juan,2 Juan,3 Juan,Judas,Apocalipsis",
        "VALOR,PUNTOS,TESTAMENTO,ANT.,NUEVO,PISTAS,NO,SÍ,¡VAMOS!,ALTO" },
    { "pt_BR",
        "Gênesis,Êxodo,Levítico,Números,Deuteronômio,Josué,Juízes,Rute,1 Samuel,2 Samuel,1 Reis,2 Reis,1 Crônicas,"
        "2 Crônicas,Esdras,Neemias,Ester,Jó,Salmos,Provérbios,Eclesiastes,Cantares,Isaías,Jeremias,Lamentações,"
        "Ezequiel,Daniel,Oseias,Joel,Amós,Obadias,Jonas,Miqueias,Naum,Habacuque,Sofonias,Ageu,Zacarias,Malaquias,"
        "Mateus,Marcos,Lucas,João,Atos,Romanos,1 Coríntios,2 Coríntios,Gálatas,Efésios,Filipenses,Colossenses,"
        "1 Tessalonicenses,2 Tessalonicenses,1 Timóteo,2 Timóteo,Tito,Filemom,Hebreus,Tiago,1 Pedro,2 Pedro,"
        "1 João,2 João,3 João,Judas,Apocalipse",
        "VALOR,PONTOS,TESTAMENTO,ANT.,NOVO,DICAS,NÃO,SIM,VAI!,PARAR" },
    { "de",
        "1. Mose,2. Mose,3. Mose,4. Mose,5. Mose,Josua,Richter,Rut,1. Samuel,2. Samuel,1. Könige,2. Könige,"
        "1. Chronik,2. Chronik,Esra,Nehemia,Ester,Hiob,Psalmen,Sprüche,Prediger,Hohelied,Jesaja,Jeremia,Klagelieder,"
        "Hesekiel,Daniel,Hosea,Joel,Amos,Obadja,Jona,Micha,Nahum,Habakuk,Zefanja,Haggai,Sacharja,Maleachi,"
        "Matthäus,Markus,Lukas,Johannes,Apostelgeschichte,Römer,1. Korinther,2. Korinther,Galater,Epheser,"
        "Philipper,Kolosser,1. Thessalonicher,2. Thessalonicher,1. Timotheus,2. Timotheus,Titus,Philemon,Hebräer,"
        "Jakobus,1. Petrus,2. Petrus,1. Johannes,2. Johannes,3. Johannes,Judas,Offenbarung",
        "WERT,PUNKTE,TESTAMENT,ALT,NEU,TIPPS,AUS,AN,LOS!,STOPP" },
};

const char *const PaintedWords[] { "VALUE", "SCORE", "TESTAMENT", "OLD", "NEW", "HINTS", "OFF", "ON", "GO!", "STOP" };

class TableTranslator : public QTranslator
{
public:
    explicit TableTranslator(const Language &language)
    {
        const QStringList books = QString::fromUtf8(language.books).split(QLatin1Char(','));
        int at = 0;
        for (const Testament testament : { Testament::Old, Testament::New }) {
            for (int tag = 1; tag <= bookCount(testament); ++tag)
                m_names.insert(QString::fromUtf8(bookName(testament, tag).data()), books.value(at++));
        }
        const QStringList words = QString::fromUtf8(language.words).split(QLatin1Char(','));
        for (int i = 0; i < words.size(); ++i)
            m_names.insert(QString::fromLatin1(PaintedWords[i]), words[i]);
    }

    bool isEmpty() const override { return false; }
    QString translate(const char *, const char *sourceText, const char *, int) const override
    {
        return m_names.value(QString::fromUtf8(sourceText));
    }

private:
    QHash<QString, QString> m_names;
};

// The lightest channel of a picture's pixels within a rectangle: the lettering is the lightest thing on a spine.
int brightest(const QImage &image, const QRect &area)
{
    int most = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            most = std::max({ most, qRed(image.pixel(x, y)), qGreen(image.pixel(x, y)), qBlue(image.pixel(x, y)) });
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
    void everyNameFitsItsSpine_data() { languages(Rows::All); }

    // Every name sits between the gilt rules on a spine like every other: at the set's size, narrowed by no more
    // than the rule allows, and the spine unchanged outside its band.
    void everyNameFitsItsSpine()
    {
        QFETCH(QString, language);
        QFETCH(int, named);
        QFETCH(int, scale);
        const auto translator = install(language, named);
        const QRect lettering = scaled(QRect(12, 1, 96, 18), scale);
        const QImage first = Artwork::lyingBook(Testament::Old, 1, scale).convertToFormat(QImage::Format_RGB32);
        for (const Testament testament : { Testament::Old, Testament::New }) {
            for (int tag = 1; tag <= bookCount(testament); ++tag) {
                const QString name = shownBookName(testament, tag);
                const QFont font = Inscriptions::spineFont(name, scale);
                QVERIFY2(font.pixelSize() == Inscriptions::TitlePixelSize * scale, qPrintable(name));
                QVERIFY2(font.stretch() == 0 || font.stretch() >= Inscriptions::MinimumStretch, qPrintable(name));
                QVERIFY2(QFontMetrics(font).horizontalAdvance(name) <= Inscriptions::TitleWidth * scale,
                    qPrintable(name));

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

    void everyPaintedWordIsLegible_data() { languages(Rows::All); }

    // The panel's and the switches' words may be narrowed and, if they must, made smaller, but never smaller than
    // the smallest lettering of the panel, the switches' titles.
    void everyPaintedWordIsLegible()
    {
        QFETCH(QString, language);
        QFETCH(int, named);
        QFETCH(int, scale);
        const auto translator = install(language, named);
        const QFont title = Inscriptions::letteringFont(Inscriptions::RockerTitlePixelSize);
        const QFont rocker = Inscriptions::letteringFont(Inscriptions::RockerPixelSize);
        const QFont go = Inscriptions::letteringFont(Inscriptions::GoPixelSize);
        const auto key = [](const QRect &well) { return Inscriptions::keyLabel(well, false, true); };
        const struct
        {
            const char *word;
            QRectF place;
            QFont font;
        } places[] {
            { "VALUE", Inscriptions::ValueCaption, Inscriptions::captionFont() },
            { "SCORE", Inscriptions::ScoreCaption, Inscriptions::captionFont() },
            { "TESTAMENT", Inscriptions::RockerTitle, title },
            { "HINTS", Inscriptions::RockerTitle, title },
            { "OLD", key(Inscriptions::LeftRockerKey), rocker },
            { "OFF", key(Inscriptions::LeftRockerKey), rocker },
            { "NEW", key(Inscriptions::RightRockerKey), rocker },
            { "ON", key(Inscriptions::RightRockerKey), rocker },
            { "GO!", key(Inscriptions::GoKey), go },
            { "STOP", key(Inscriptions::StopKey), go },
        };
        for (const auto &place : places) {
            const QString word = QCoreApplication::translate("Panel", place.word);
            const QFont font = Inscriptions::placed(place.font, word, place.place, scale);
            QVERIFY2(font.pixelSize() >= Inscriptions::RockerTitlePixelSize * scale,
                qPrintable(QStringLiteral("%1 at %2 px").arg(word).arg(font.pixelSize())));
        }
    }

    void theFirstPaintComesLetteredInEveryLanguage_data() { languages(Rows::CompiledAtOrdinarySize); }

    // The panel, the switches and the standing books of the first paint come lettered when the program was built,
    // in the player's language, and drawn where they lie: exactly what the program would letter itself.
    void theFirstPaintComesLetteredInEveryLanguage()
    {
        QFETCH(QString, language);
        QFETCH(int, named);
        const auto translator = install(language, named);
        const auto check = [](const QString &picture, const QStringList &words, const QImage &shown,
                               const QImage &lettered) {
            const QResource ready(QStringLiteral(":/") + ScreenPictures::lettered(picture, words));
            QVERIFY2(ready.isValid(), qPrintable(words.join(QLatin1Char(' '))));
            QCOMPARE(shown.constBits(), ready.data() + ScreenPictures::HeaderWords * sizeof(quint32));
            QCOMPARE(shown, lettered);
        };
        QImage panel = RatioPicture::keyed(QImage(QStringLiteral(":/") + AssetPaths::panel()));
        Inscriptions::letterPanel(panel, 1);
        check(AssetPaths::panel(), Inscriptions::panelWords(), Artwork::keyedPanel(), panel);
        for (const auto which : { Artwork::Switch::Go, Artwork::Switch::Testament, Artwork::Switch::Hints }) {
            for (const bool checked : { false, true }) {
                const QString path = AssetPaths::switchPicture(which, checked);
                QImage picture = QImage(QStringLiteral(":/") + path).convertToFormat(QImage::Format_RGB32);
                Inscriptions::letterSwitch(picture, which, checked, 1);
                check(path, Inscriptions::switchWords(which), Artwork::switchPicture(which, checked), picture);
            }
        }
        for (int tag = 1; tag <= OTBookCount; ++tag) {
            check(ScreenPictures::StandingBook, { shownBookName(Testament::Old, tag) },
                Artwork::standingBook(Testament::Old, tag),
                Artwork::lyingBook(Testament::Old, tag).transformed(QTransform().rotate(90)));
        }
    }

private:
    // English and every translation compiled into the program, with the pictures at their ordinary size; or
    // those, the names the translations are to take, and each at both sizes.
    enum class Rows { CompiledAtOrdinarySize, All };
    static void languages(Rows rows)
    {
        const bool all = rows == Rows::All;
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("named");
        QTest::addColumn<int>("scale");
        QStringList compiled { QString() };
        for (const QString &file : QDir(QStringLiteral(":/i18n")).entryList({ QStringLiteral("tomelor_*.qm") }))
            compiled.append(file.mid(8).chopped(3));
        for (const int scale : { 1, 2 }) {
            if (scale == 2 && !all)
                break;
            for (const QString &language : std::as_const(compiled)) {
                QTest::addRow("%s, scale %d", language.isEmpty() ? "en" : qPrintable(language), scale)
                    << language << -1 << scale;
            }
            for (int i = 0; all && i < int(std::size(Languages)); ++i)
                QTest::addRow("%s names, scale %d", Languages[i].code, scale) << QString() << i << scale;
        }
    }

    // The translation loaded as the program loads the player's, or the names a translation is to take.
    static std::unique_ptr<QTranslator> install(const QString &language, int named)
    {
        if (named >= 0) {
            auto translator = std::make_unique<TableTranslator>(Languages[named]);
            QCoreApplication::installTranslator(translator.get());
            return translator;
        }
        if (language.isEmpty())
            return nullptr;
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(QLocale(language), QStringLiteral("tomelor"), QStringLiteral("_"), QStringLiteral(":/i18n")))
            return nullptr;
        QCoreApplication::installTranslator(translator.get());
        return translator;
    }
};

QTEST_MAIN(TestInscriptions)
#include "tst_inscriptions.moc"
