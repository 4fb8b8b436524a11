#pragma once

#include "game/progress.h"

#include <array>
#include <optional>

// The last game the player finished of each testament while the program runs, which the Progress window marks
// beside the record of all games.
class LastGames
{
public:
    void set(const Progress &game);
    const std::optional<Progress> &of(Testament testament) const;
    void clear();

private:
    std::array<std::optional<Progress>, 2> m_games;
};
