#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QWidget>

class QPainter;

// A bar chart of the seconds each book took: one bar per book with its short name beneath, the bar's colour
// telling how often the book cost points, a mark at the seconds of the last game. It draws itself with QPainter
// at whatever pixel ratio the screen has; screen readers get the same figures from a table beside it.
class TProgressChart : public QWidget
{
    Q_OBJECT

public:
    struct Bar
    {
        QString label;
        double seconds = 0; // the bar's height
        double cost = 0; // wrong clicks and time-outs per game: 0 is calm, 1 or more the deepest red
        double lastSeconds = -1; // the last game's seconds; below 0 when the book had none
    };

    explicit TProgressChart(QWidget *parent = nullptr);

    void setTitle(const QString &title);
    void setBars(const QList<Bar> &bars);
    const QList<Bar> &bars() const { return m_bars; }
    // Shown over the empty plot while no bar has a height.
    void setEmptyText(const QString &text);

    // The colour of a bar that cost this often.
    static QColor costColour(double cost);
    // The top of the scale for bars up to this many seconds: a round number of seconds with a little room above.
    static double scaleTop(double seconds);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintLegend(QPainter &painter, const QRectF &field) const;

    QString m_title;
    QString m_emptyText;
    QList<Bar> m_bars;
};
