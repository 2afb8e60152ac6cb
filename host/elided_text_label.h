// A one-line text label of the plot screen (title, subtitle, note) that
// never asks for more width than the window has: a text too long for the
// label is drawn cut short with an ellipsis, the full text in its tool tip.
#ifndef XY_PLOT_HOST_ELIDED_TEXT_LABEL_H
#define XY_PLOT_HOST_ELIDED_TEXT_LABEL_H

#include <qwt_text_label.h>

class ElidedTextLabel : public QwtTextLabel
{
public:
    explicit ElidedTextLabel(QWidget *parent = nullptr);

    // The text as it fits into width pixels.
    QString shownText(int width) const;

protected:
    void drawText(QPainter *painter, const QRectF &rect) override;
};

#endif // XY_PLOT_HOST_ELIDED_TEXT_LABEL_H
