// Loading and saving the high-score table through the game's own code, each held against Qt reading or writing
// the same bytes. A save replaces the file the safe way (a temporary file flushed to the disk, then renamed), so
// its baseline is QSaveFile, which does the same; a plain write shows what the safety costs.

#include "benchmain.h"
#include "playedsettings.h"

#include "scores/profilefile.h"
#include "scores/progressfile.h"
#include "scores/scoretable.h"

#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

namespace {

// A played settings file in a temporary folder of its own ($TMPDIR, else /tmp): the time a save waits for the disk
// is that folder's file system's.
class SettingsFile
{
public:
    SettingsFile() { m_written = m_folder.isValid() && writePlayedSettings(path()); }

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

void writeSameBytesSafely(benchmark::State &state)
{
    SettingsFile settings;
    if (!settings.ready())
        return state.SkipWithError("The settings file could not be written.");
    const QByteArray bytes = settings.bytes();
    for (auto _ : state) {
        QSaveFile file(settings.path());
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
            return state.SkipWithError("QSaveFile could not replace the file.");
    }
}
BENCHMARK(writeSameBytesSafely)->UseRealTime();

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
                             { "loadScores", "readSameBytes" },
                             { "saveScores", "writeSameBytesSafely" },
                             { "saveScores", "writeSameBytes" },
                             { "saveProgress", "writeSameBytesSafely" },
                         });
}
