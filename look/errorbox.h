#pragma once

#include <functional>

class QString;
class QWidget;

// The application's general error message box, the one place where the game tells the player that something
// went wrong.
namespace ErrorBox {

void show(QWidget *parent, const QString &message);

// Whoever tells the player: the windows that report errors take one, so that tests can read the message instead
// of waiting for a click.
using Reporter = std::function<void(QWidget *parent, const QString &message)>;

} // namespace ErrorBox
