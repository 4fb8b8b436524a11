#include "benchmain.h"

#include "controls/lcd99.h"

#include <QImage>

namespace {

// The score display of the main window.
void shapeScoreDisplay(TLCD99 &lcd)
{
    lcd.resize(163, 45);
    lcd.setDigitNum(5);
    lcd.setSegmentSize(3);
    lcd.setOffColor(QColor(40, 40, 40));
    lcd.setValue(QStringLiteral("0"));
}

// The score as a game moves it: a right book adds what the countdown shows, a wrong one takes 50. Most steps
// change two or three of the five cells.
QString nextScore(int &score, int step)
{
    score = step % 4 == 3 ? score - 50 : score + 500 - 5 * (step % 97);
    return QString::number(score);
}

void valueChangeAndPaint(benchmark::State &state)
{
    TLCD99 lcd;
    shapeScoreDisplay(lcd);
    QImage picture(lcd.size(), QImage::Format_RGB32);
    lcd.render(&picture);
    int score = 0;
    int step = 0;
    for (auto _ : state) {
        lcd.setValue(nextScore(score, step++));
        lcd.render(&picture);
    }
    benchmark::DoNotOptimize(picture.constBits());
}
BENCHMARK(valueChangeAndPaint);

// A colour change has every cell drawn afresh, as the first paint and a resize do.
void fullRepaint(benchmark::State &state)
{
    TLCD99 lcd;
    shapeScoreDisplay(lcd);
    lcd.setValue(QStringLiteral("-1234"));
    QImage picture(lcd.size(), QImage::Format_RGB32);
    bool bright = false;
    for (auto _ : state) {
        bright = !bright;
        lcd.setOnColor(bright ? QColor(0, 255, 0) : QColor(0, 254, 0));
        lcd.render(&picture);
    }
    benchmark::DoNotOptimize(picture.constBits());
}
BENCHMARK(fullRepaint);

// A paint with nothing changed, as when the window is uncovered.
void unchangedPaint(benchmark::State &state)
{
    TLCD99 lcd;
    shapeScoreDisplay(lcd);
    QImage picture(lcd.size(), QImage::Format_RGB32);
    lcd.render(&picture);
    for (auto _ : state)
        lcd.render(&picture);
    benchmark::DoNotOptimize(picture.constBits());
}
BENCHMARK(unchangedPaint);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks(argc, argv, {});
}
