#include "look/artwork.h"
#include "look/inscriptions.h"

#include <QCoreApplication>
#include <QFontMetrics>
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
    void everyNameFitsItsSpine_data() { languages(); }

    // Every name sits between the gilt rules on a spine like every other: at the set's size, narrowed by no more
    // than the rule allows, and the spine unchanged outside its band.
    void everyNameFitsItsSpine()
    {
        QFETCH(int, language);
        QFETCH(int, scale);
        const auto translator = install(language);
        const QRect lettering = scaled(QRect(12, 1, 96, 18), scale);
        const QImage first = Artwork::lyingBook(Testament::Old, 1, scale).convertToFormat(QImage::Format_RGB32);
        for (const Testament testament : { Testament::Old, Testament::New }) {
            for (int tag = 1; tag <= bookCount(testament); ++tag) {
                const QString name = QCoreApplication::translate("Catalogue", bookName(testament, tag).data());
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

    void everyPaintedWordIsLegible_data() { languages(); }

    // The panel's and the switches' words may be narrowed and, if they must, made smaller, but never smaller than
    // the smallest lettering of the panel, the switches' titles.
    void everyPaintedWordIsLegible()
    {
        QFETCH(int, language);
        QFETCH(int, scale);
        const auto translator = install(language);
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

private:
    // The languages, English first, each with pictures at both sizes.
    void languages()
    {
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("scale");
        for (int language = -1; language < int(std::size(Languages)); ++language) {
            for (const int scale : { 1, 2 }) {
                QTest::addRow("%s, scale %d", language < 0 ? "en" : Languages[language].code, scale)
                    << language << scale;
            }
        }
    }

    static std::unique_ptr<QTranslator> install(int language)
    {
        if (language < 0)
            return nullptr;
        auto translator = std::make_unique<TableTranslator>(Languages[language]);
        QCoreApplication::installTranslator(translator.get());
        return translator;
    }
};

QTEST_MAIN(TestInscriptions)
#include "tst_inscriptions.moc"
