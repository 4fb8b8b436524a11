#pragma once

#include <functional>

class QString;
class QWidget;

// The application's general error message box, the one place where the game tells the player that something
// went wrong. Tests put a handler of their own in its place, so that nothing waits for a click.
namespace ErrorBox {

using Handler = std::function<void(QWidget *parent, const QString &message)>;

void show(QWidget *parent, const QString &message);

// Replaces the message box; an empty handler brings it back.
void setHandler(Handler handler);

} // namespace ErrorBox
