#include "playedsettings.h"

#include "settings/profilefile.h"
#include "scores/scoretable.h"

#include <QString>

bool writePlayedSettings(const QString &path)
{
    ProfileFile file(path);
    if (!file.writeBool(QStringLiteral("Settings"), QStringLiteral("First Time"), false))
        return false;
    ScoreTable table;
    table.OTScores = { 18435, 17120, 15890, 12005, 9870 };
    table.OTUsers = { QStringLiteral("RUT"), QStringLiteral("JON"), QStringLiteral("RUT"), QStringLiteral("EVA"),
                      QStringLiteral("SAM") };
    table.NTScores = { 12960, 11475, 10350, 8840, 6115 };
    table.NTUsers = { QStringLiteral("EVA"), QStringLiteral("RUT"), QStringLiteral("TIM"), QStringLiteral("JON"),
                      QStringLiteral("TIM") };
    table.LastInitials = QStringLiteral("RUT");
    table.TableChanged = true;
    return table.SaveScores(file);
}
