#include "elided_text_label.h"

#include <QFontMetrics>
#include <QPainter>

#include <qwt_text.h>

ElidedTextLabel::ElidedTextLabel(QWidget *parent)
    : QwtTextLabel(parent)
{
    // The width comes from the window, not from the text.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
}

QString ElidedTextLabel::shownText(int width) const
{
    const QwtText &t = text();
    return QFontMetrics(t.usedFont(font())).elidedText(t.text(), Qt::ElideRight, width);
}

void ElidedTextLabel::drawText(QPainter *painter, const QRectF &rect)
{
    QwtText t = text();
    t.setText(shownText(static_cast<int>(rect.width())));
    t.draw(painter, rect);
}
