#include "controls/lcd99.h"

#include <QPainter>

TLCD99::TLCD99(QWidget *parent)
    : QWidget(parent)
{
    resize(92, 34);
}

void TLCD99::setValue(const QString &value)
{
    if (m_value == value)
        return;
    m_value = value;
    update();
}

void TLCD99::setDigitNum(int digitNum)
{
    if (m_digitNum == digitNum)
        return;
    m_digitNum = digitNum;
    update();
}

void TLCD99::setDigitSpacing(int digitSpacing)
{
    if (m_digitSpacing == digitSpacing)
        return;
    m_digitSpacing = digitSpacing;
    update();
}

void TLCD99::setSegmentSize(int segmentSize)
{
    if (m_segmentSize == segmentSize)
        return;
    m_segmentSize = segmentSize;
    update();
}

void TLCD99::setOnColor(const QColor &color)
{
    if (m_onColor == color)
        return;
    m_onColor = color;
    update();
}

void TLCD99::setColor(const QColor &color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
}

void TLCD99::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    QFont font = painter.font();
    font.setPixelSize(height() - 4);
    painter.setFont(font);
    painter.setPen(m_onColor);
    painter.drawText(rect().adjusted(2, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, m_value);
}
