#include "game/lastgames.h"

namespace {

std::size_t slotOf(Testament testament)
{
    return testament == Testament::New ? 1 : 0;
}

} // namespace

void LastGames::set(const Progress &game)
{
    m_games[slotOf(game.testament())] = game;
}

const std::optional<Progress> &LastGames::of(Testament testament) const
{
    return m_games[slotOf(testament)];
}

void LastGames::clear()
{
    m_games = {};
}
