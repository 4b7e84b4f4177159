#include "screens/qt/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace crucirco {

void WrappingButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    // Keep the caption clear of the bevel, wrapping it rather than touching the edges.
    const int inset = style()->pixelMetric(QStyle::PM_ButtonMargin, &option, this) / 2;
    const QRect area =
        style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).adjusted(inset, 0, -inset, 0);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(), isEnabled(),
                         caption, QPalette::ButtonText);
}

} // namespace crucirco
