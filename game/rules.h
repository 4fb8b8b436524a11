#pragma once

// The arithmetic of scoring and the countdown.
namespace Rules {

constexpr int FullValue = 500;
constexpr int HintedValue = 250;
constexpr int ValueStep = 5;
constexpr int WrongClickCost = 50;
constexpr int CountdownInterval = 100;       // ms per step
constexpr int HintedCountdownInterval = 200; // ms per step once hints are switched on

constexpr int initialValue(bool hintsOn)
{
    return hintsOn ? HintedValue : FullValue;
}

// A wrong click costs 50 from a positive score; a score of 0 or below stays as it is.
constexpr int afterWrongClick(int score)
{
    return score > 0 ? score - WrongClickCost : score;
}

// Switching hints on halves the value to the largest multiple of 5 not above half; 10 or less stays.
constexpr int halvedValue(int value)
{
    if (value <= 10)
        return value;
    int halved = value / 2;
    while (halved % ValueStep != 0)
        --halved;
    return halved;
}

} // namespace Rules
