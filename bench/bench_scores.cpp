// Loading and saving the high-score table through the game's own code, each held against Qt reading or writing
// the same bytes, also in a settings file of 15 MiB. A save replaces the file the safe way (a temporary file
// flushed to the disk, then renamed), so its baseline is QSaveFile, which does the same; a plain write shows what
// the safety costs.

#include "benchmain.h"
#include "playedsettings.h"

#include "settings/profilefile.h"
#include "scores/progressfile.h"
#include "scores/scoretable.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

// A played settings file in a temporary folder of its own ($TMPDIR, else /tmp): the time a save waits for the disk
// is that folder's file system's. It may start with notes that another program wrote: that many bytes of short
// entries in a section before the game's own, so that every key of the table lies past them.
class SettingsFile
{
public:
    explicit SettingsFile(qsizetype notesSize = 0)
    {
        QByteArray notes;
        if (notesSize > 0) {
            notes = "[Notes]\n";
            notes.reserve(notesSize + 64);
            for (int entry = 0; notes.size() < notesSize; ++entry)
                notes += 'n' + QByteArray::number(entry) + "=1\n";
        }
        QFile file(path());
        m_written = m_folder.isValid() && file.open(QIODevice::WriteOnly) && file.write(notes) == notes.size();
        file.close();
        m_written = m_written && writePlayedSettings(path());
    }

    bool ready() const { return m_written; }
    QString path() const { return m_folder.filePath(QStringLiteral("Tomelor.ini")); }

    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir m_folder;
    bool m_written = false;
};

// What the table dialog does at every showing before it fills its rows: open the file and read the table.
void loadScores(benchmark::State &state)
{
    SettingsFile settings;
    if (!settings.ready())
        return state.SkipWithError("The settings file could not be written.");
    for (auto _ : state) {
        const ProfileFile file(settings.path());
        ScoreTable table;
        table.LoadScores(file);
        benchmark::DoNotOptimize(table.OTScores.data());
    }
}
BENCHMARK(loadScores)->UseRealTime();

void readSameBytes(benchmark::State &state)
{
    SettingsFile settings;
    if (!settings.ready())
        return state.SkipWithError("The settings file could not be written.");
    for (auto _ : state) {
        QFile file(settings.path());
        if (!file.open(QIODevice::ReadOnly))
            return state.SkipWithError("The settings file could not be read.");
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.constData());
    }
}
BENCHMARK(readSameBytes)->UseRealTime();

// What the table dialog does after a new score got in: write the initials and both testaments' rows.
void saveScores(benchmark::State &state)
{
    SettingsFile settings;
    if (!settings.ready())
        return state.SkipWithError("The settings file could not be written.");
    ProfileFile file(settings.path());
    ScoreTable table;
    table.LoadScores(file);
    table.TableChanged = true;
    const QByteArray before = settings.bytes();
    for (auto _ : state) {
        if (!table.SaveScores(file))
            return state.SkipWithError("The table could not be saved.");
    }
    if (settings.bytes() != before)
        state.SkipWithError("Saving the same table changed the file.");
}
BENCHMARK(saveScores)->UseRealTime();

// What the end of every game does: add what each book of a whole Old Testament game cost to the progress of both
// testaments, under the lock, in one replacement of the file.
void saveProgress(benchmark::State &state)
{
    SettingsFile settings;
    if (!settings.ready())
        return state.SkipWithError("The settings file could not be written.");
    ProfileFile file(settings.path());
    Progress game(Testament::Old);
    for (int index = 0; index < OTBookCount; ++index)
        game[index] = {1, 1, 0, index % 3, 20 + index};
    Progress newGame(Testament::New);
    for (int index = 0; index < NTBookCount; ++index)
        newGame[index] = {1, 1, 0, 0, 30};
    if (!ProgressFile::add(file, newGame))
        return state.SkipWithError("The progress could not be saved.");
    for (auto _ : state) {
        if (!ProgressFile::add(file, game))
            return state.SkipWithError("The progress could not be saved.");
    }
}
BENCHMARK(saveProgress)->UseRealTime();

// The baseline of a save: QSaveFile replacing a settings file with the same bytes.
void writeSettingsSafely(benchmark::State &state, qsizetype notesSize)
{
    SettingsFile settings(notesSize);
    if (!settings.ready())
        return state.SkipWithError("The settings file could not be written.");
    const QByteArray bytes = settings.bytes();
    for (auto _ : state) {
        QSaveFile file(settings.path());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return state.SkipWithError("QSaveFile could not replace the file.");
    }
}

void writeSameBytesSafely(benchmark::State &state)
{
    writeSettingsSafely(state, 0);
}
BENCHMARK(writeSameBytesSafely)->UseRealTime();

// Almost as much as the game still reads.
constexpr qsizetype BigNotesSize = 15 * 1024 * 1024;

// One showing of the table dialog that enters a score, in the file of 15 MiB: the file read and its table loaded, the
// score entered, and the save merged with the file as it is under the lock, which reads it again.
void enterScoreInBigFile(benchmark::State &state)
{
    SettingsFile settings(BigNotesSize);
    if (!settings.ready())
        return state.SkipWithError("The big settings file could not be written.");
    int score = 20000;
    for (auto _ : state) {
        ProfileFile file(settings.path());
        ScoreTable table;
        table.LoadScores(file);
        table.NewOTScore = ++score;
        table.InsertScore(Testament::Old, [](const QString &) { return QStringLiteral("BIG"); });
        if (!table.SaveMerged(file))
            return state.SkipWithError("The table could not be saved.");
    }
}
BENCHMARK(enterScoreInBigFile)->UseRealTime()->Unit(benchmark::kMillisecond);

void writeBigFileSafely(benchmark::State &state)
{
    writeSettingsSafely(state, BigNotesSize);
}
BENCHMARK(writeBigFileSafely)->UseRealTime()->Unit(benchmark::kMillisecond);

void writeSameBytes(benchmark::State &state)
{
    SettingsFile settings;
    if (!settings.ready())
        return state.SkipWithError("The settings file could not be written.");
    const QByteArray bytes = settings.bytes();
    for (auto _ : state) {
        QFile file(settings.path());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return state.SkipWithError("The file could not be written.");
    }
}
BENCHMARK(writeSameBytes)->UseRealTime();

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv,
        {
            {"loadScores", "readSameBytes"},
            {"saveScores", "writeSameBytesSafely"},
            {"saveScores", "writeSameBytes"},
            // Well under a second, however much another program has put in the file.
            {"enterScoreInBigFile", "writeBigFileSafely", 500},
            {"saveProgress", "writeSameBytesSafely"},
        });
}
