// How the picture controls present themselves to screen readers and other assistive tools. Qt describes its own
// widgets; these are plain widgets that draw pictures, so without this a screen reader would meet nameless panes.

#include "controls/accessibility.h"

#include "controls/image.h"
#include "controls/lcd99.h"
#include "controls/mgcheckbox.h"
#include "platform/accessibility.h"

#include <QAccessibleWidget>
#include <QEvent>

namespace {

// A two-picture switch is a toggle button: its name says what it does and the form keeps that name current.
class MGCheckboxAccessible : public QAccessibleWidget
{
public:
    explicit MGCheckboxAccessible(TMGCheckbox *checkbox)
        : QAccessibleWidget(checkbox, QAccessible::Button)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = true;
        state.checked = checkbox()->Checked();
        state.disabled = state.disabled || !checkbox()->ToggleEnabled();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList { pressAction(), toggleAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        // The click may open a modal dialog; the tool that asked must not wait for it to close.
        if (actionName == pressAction() || actionName == toggleAction())
            QMetaObject::invokeMethod(checkbox(), &TMGCheckbox::toggle, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    TMGCheckbox *checkbox() const { return static_cast<TMGCheckbox *>(widget()); }
};

// A seven-segment display reads as text: its name followed by what it shows, as in "Score: 1200". The value
// rides in the name because screen readers read a text's name; the display cannot be changed from outside.
class LCD99Accessible : public QAccessibleWidget
{
public:
    explicit LCD99Accessible(TLCD99 *display)
        : QAccessibleWidget(display, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text which) const override
    {
        const QString shown = display()->Value();
        if (which == QAccessible::Value)
            return shown;
        const QString own = QAccessibleWidget::text(which);
        if (which != QAccessible::Name || shown.isEmpty() || !display()->NamesValue())
            return own;
        return own.isEmpty() ? shown : QStringLiteral("%1: %2").arg(own, shown);
    }

    QList<std::pair<QAccessibleInterface *, QAccessible::Relation>>
    relations(QAccessible::Relation match = QAccessible::AllRelations) const override
    {
        auto related = QAccessibleWidget::relations(match);
        if (QWidget *label = display()->LabelledBy(); label && (match & QAccessible::Label))
            related.append({ QAccessible::queryAccessibleInterface(label), QAccessible::Label });
        return related;
    }

private:
    TLCD99 *display() const { return static_cast<TLCD99 *>(widget()); }
};

// A picture is a graphic, or a button while something answers its clicks.
class ImageAccessible : public QAccessibleWidget
{
public:
    explicit ImageAccessible(TImage *image)
        : QAccessibleWidget(image, QAccessible::Graphic)
    {
    }

    QAccessible::Role role() const override
    {
        if (image()->isClickable())
            return QAccessible::Button;
        return image()->isHeading() ? QAccessible::Heading : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        const QStringList own = QAccessibleWidget::actionNames();
        return image()->isClickable() ? QStringList { pressAction() } + own : own;
    }

    void doAction(const QString &actionName) override
    {
        // Pressing the last book may end the game and open the high-score dialogs: the click comes later.
        if (actionName == pressAction() && image()->isClickable())
            QMetaObject::invokeMethod(image(), &TImage::click, Qt::QueuedConnection);
        else
            QAccessibleWidget::doAction(actionName);
    }

private:
    TImage *image() const { return static_cast<TImage *>(widget()); }
};

// Takes the description away once the control has given up the keyboard for the first time.
class FirstVisitDescription : public QObject
{
public:
    explicit FirstVisitDescription(QWidget *control)
        : QObject(control)
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut) {
            static_cast<QWidget *>(watched)->setAccessibleDescription(QString());
            deleteLater();
        }
        return false;
    }
};

} // namespace

void describeControlsToAssistiveTools()
{
    static const bool described = [] {
        Platform::describeClass("TMGCheckbox", [](QObject *object) -> QAccessibleInterface * {
            return new MGCheckboxAccessible(static_cast<TMGCheckbox *>(object));
        });
        Platform::describeClass("TLCD99", [](QObject *object) -> QAccessibleInterface * {
            return new LCD99Accessible(static_cast<TLCD99 *>(object));
        });
        Platform::describeClass("TImage", [](QObject *object) -> QAccessibleInterface * {
            return new ImageAccessible(static_cast<TImage *>(object));
        });
        // The chart is a picture; its figures are read from the table beside it.
        Platform::describeClass("TProgressChart", [](QObject *object) -> QAccessibleInterface * {
            return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
        });
        return true;
    }();
    Q_UNUSED(described);
}

void describeOnce(QWidget *control, const QString &description)
{
    control->setAccessibleDescription(description);
    new FirstVisitDescription(control);
}
