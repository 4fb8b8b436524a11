#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

// Seven-segment display. For now it shows its text plainly; the segment drawing replaces paintEvent.
class TLCD99 : public QWidget
{
    Q_OBJECT

public:
    explicit TLCD99(QWidget *parent = nullptr);

    const QString &Value() const { return m_value; }
    void setValue(const QString &value);

    int DigitNum() const { return m_digitNum; }
    void setDigitNum(int digitNum);
    int DigitSpacing() const { return m_digitSpacing; }
    void setDigitSpacing(int digitSpacing);
    int SegmentSize() const { return m_segmentSize; }
    void setSegmentSize(int segmentSize);
    QColor OnColor() const { return m_onColor; }
    void setOnColor(const QColor &color);
    QColor Color() const { return m_color; }
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_value;
    int m_digitNum = 4;
    int m_digitSpacing = 5;
    int m_segmentSize = 2;
    QColor m_onColor { 0, 255, 0 };
    QColor m_color { 0, 0, 0 };
};
