#include "game/catalogue.h"
#include "game/typeahead.h"
#include "scores/progressfile.h"
#include "scores/scoretable.h"
#include "settings/profilefile.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>
#include <numeric>

// The game in the player's language: every translation complete and true to its source's placeholders, the language
// chosen as the desktop asks, names typed in that language, and a settings file that no language changes.
class TestTranslations : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTranslator> m_translator;

    void speak(const QString &language)
    {
        if (m_translator)
            QCoreApplication::removeTranslator(m_translator.get());
        m_translator.reset();
        if (language.isEmpty())
            return;
        m_translator = std::make_unique<QTranslator>();
        QVERIFY(m_translator->load(QStringLiteral(":/i18n/tomelor_%1.qm").arg(language)));
        QCoreApplication::installTranslator(m_translator.get());
    }

    // %1 and %L1 are the same argument: a translation may write a number the language's way.
    static QStringList placeholders(const QString &text)
    {
        static const QRegularExpression placeholder(QStringLiteral("%L?(\\d+|n)"));
        QStringList found;
        for (const QRegularExpressionMatch &match : placeholder.globalMatch(text))
            found.append(match.captured(1));
        found.sort();
        return found;
    }

    // Saves a game's scores and progress into a new file and returns its bytes.
    static QByteArray savedFile(const QString &path)
    {
        QFile::remove(path);
        ProfileFile file(path);
        ScoreTable table;
        table.LoadScores(file);
        table.NewOTScore = 4805;
        table.InsertScore(Testament::Old, [](const QString &) { return QStringLiteral("AMY"); });
        if (!table.SaveScores(file))
            return {};
        Progress game(Testament::Old);
        game[21] = BookProgress {1, 1, 0, 2, 73};
        if (!ProgressFile::add(file, game))
            return {};
        QFile saved(path);
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    }

private slots:
    void everyMessageIsTranslatedWithTheSourcesPlaceholders()
    {
        const QDir sources(QStringLiteral(TOMELOR_TRANSLATIONS));
        const QStringList files = sources.entryList({QStringLiteral("tomelor_*.ts")});
        QCOMPARE(files.size(), 3);
        QStringList faults;
        for (const QString &name : files) {
            QFile file(sources.filePath(name));
            QVERIFY(file.open(QIODevice::ReadOnly));
            QXmlStreamReader xml(&file);
            QString context, source;
            while (!xml.atEnd()) {
                if (xml.readNext() != QXmlStreamReader::StartElement)
                    continue;
                if (xml.name() == QLatin1String("name"))
                    context = xml.readElementText();
                else if (xml.name() == QLatin1String("source"))
                    source = xml.readElementText();
                else if (xml.name() == QLatin1String("translation")) {
                    const QString type = xml.attributes().value(QLatin1String("type")).toString();
                    if (type == QLatin1String("vanished") || type == QLatin1String("obsolete")) {
                        xml.skipCurrentElement();
                        continue;
                    }
                    const QString translation = xml.readElementText();
                    if (type == QLatin1String("unfinished") || translation.isEmpty())
                        faults.append(QStringLiteral("%1: %2: unfinished: %3").arg(name, context, source));
                    else if (placeholders(translation) != placeholders(source))
                        faults.append(QStringLiteral("%1: %2: placeholders differ: %3 / %4")
                                          .arg(name, context, source, translation));
                }
            }
            QVERIFY2(!xml.hasError(), qPrintable(name + QLatin1String(": ") + xml.errorString()));
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void theDesktopsLanguageChoosesTheTranslation_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("heard"); // the start of `tomelor --help`
        QTest::newRow("German") << "de" << "Aufruf: tomelor";
        QTest::newRow("Spanish") << "es_MX" << "Uso: tomelor";
        QTest::newRow("Brazilian Portuguese") << "pt_BR" << "Uso: tomelor";
        QTest::newRow("the first language translated") << "fr:de:es" << "Aufruf: tomelor";
        QTest::newRow("none translated: English") << "fr" << "Usage: tomelor";
    }

    void theDesktopsLanguageChoosesTheTranslation()
    {
        QFETCH(QString, language);
        QFETCH(QString, heard);
        QProcess game;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("LANGUAGE"), language);
        environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(TOMELOR_PROGRAM), {QStringLiteral("--help")});
        QVERIFY(game.waitForFinished(30000));
        QCOMPARE(game.exitCode(), 0);
        QVERIFY2(QString::fromLocal8Bit(game.readAllStandardOutput()).startsWith(heard),
            qPrintable(language));
    }

    void booksAreTypedByTheirShownNames_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<Testament>("testament");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("found"); // list index, -1 for none
        QTest::newRow("accents folded") << "es" << Testament::Old << "genesis" << 0;
        QTest::newRow("capital accent folded") << "es" << Testament::Old << "EXO" << 1;
        QTest::newRow("number and name") << "de" << Testament::Old << "1mo" << 0;
        QTest::newRow("punctuation and spaces folded") << "de" << Testament::Old << "2. Mo" << 1;
        QTest::newRow("umlaut folded") << "de" << Testament::New << "rom" << 5;
        QTest::newRow("tilde folded") << "pt_BR" << Testament::New << "joao" << 3;
        QTest::newRow("number and name, accent folded") << "pt_BR" << Testament::New << "3jo" << 24;
        QTest::newRow("English names not shown") << "de" << Testament::Old << "gen" << -1;
        QTest::newRow("English") << "" << Testament::Old << "isam" << 8;
    }

    void booksAreTypedByTheirShownNames()
    {
        QFETCH(QString, language);
        QFETCH(Testament, testament);
        QFETCH(QString, typed);
        QFETCH(int, found);
        speak(language);
        std::vector<int> order(bookCount(testament));
        std::iota(order.begin(), order.end(), 0);
        TypeAhead typeAhead;
        QCOMPARE(typeAhead.type(typed, 0, testament, order, std::nullopt).value_or(-1), found);
        speak({});
    }

    void noLanguageChangesTheSettingsFile()
    {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString path = folder.filePath(QStringLiteral("Tomelor.ini"));
        const QByteArray english = savedFile(path);
        QVERIFY(!english.isEmpty());
        for (const QString &language : {QStringLiteral("de"), QStringLiteral("es"), QStringLiteral("pt_BR")}) {
            speak(language);
            QCOMPARE(savedFile(path), english);
            // And what one language wrote, another reads as written.
            ProfileFile file(path);
            ScoreTable table;
            table.LoadScores(file);
            QCOMPARE(table.OTScores[0], 4805);
            QCOMPARE(table.OTUsers[0], QStringLiteral("AMY"));
            QCOMPARE(ProgressFile::load(file, Testament::Old)[21].games, 1);
        }
        speak({});
    }
};

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
