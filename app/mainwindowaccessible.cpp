// How the main window presents itself to screen readers. Qt would list its pictures in the order they were made,
// and the lying books were made in canonical order: reading the window would give the answer away. Here they come
// in the order they lie in the pile, row by row from the bottom left.

#include "app/mainwindowaccessible.h"

#include "app/frmmain.h"
#include "controls/image.h"
#include "look/focusring.h"
#include "platform/accessibility.h"

#include <QAccessibleWidget>

namespace {

class MainWindowAccessible : public QAccessibleWidget
{
public:
    explicit MainWindowAccessible(TfrmMain *form)
        : QAccessibleWidget(form, QAccessible::Window)
    {
    }

    int childCount() const override { return int(children().size()); }

    QAccessibleInterface *child(int index) const override
    {
        const QWidgetList shown = children();
        return index >= 0 && index < shown.size() ? QAccessible::queryAccessibleInterface(shown[index]) : nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child ? int(children().indexOf(qobject_cast<QWidget *>(child->object()))) : -1;
    }

private:
    // The window's controls in the order they were made, with the pile in its own order where the books begin:
    // the panel that holds the books only groups them for speed, so a reader meets the books themselves. The ring
    // is the keyboard's mark, not a control.
    QWidgetList children() const
    {
        const auto *form = static_cast<const TfrmMain *>(widget());
        QWidgetList ordered;
        for (QObject *object : form->children()) {
            auto *control = qobject_cast<QWidget *>(object);
            if (!control || control->isWindow() || qobject_cast<FocusRing *>(control))
                continue;
            if (control != form->pnlPile) {
                ordered.append(control);
                continue;
            }
            const QList<TImage *> pile = form->pileInOrder();
            ordered.append(QWidgetList(pile.begin(), pile.end()));
            for (QWidget *book : form->pnlPile->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
                if (!ordered.contains(book))
                    ordered.append(book);
            }
        }
        return ordered;
    }
};

} // namespace

void describeMainWindowToAssistiveTools()
{
    Platform::describeClass("TfrmMain", [](QObject *object) -> QAccessibleInterface * {
        return new MainWindowAccessible(static_cast<TfrmMain *>(object));
    });
}
