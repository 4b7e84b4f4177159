#include "forms/qt/classic_style.h"

#include <QList>
#include <QPainter>
#include <QTextLayout>
#include <utility>

#include "forms/qt/fonts.h"

namespace crucirco {

namespace {

// Where the caption of an option button or a check box starts after its
// indicator, in pixels: as close as the classic controls draw it.
constexpr int kIndicatorSpacing = 3;

// The lines a wrapped text breaks into, as Qt breaks them, each as the part
// of the text it came from (mnemonic marks included, trailing blanks left
// out).
QStringList wrappedLines(const QString& text, int flags, const QFont& font, QPaintDevice* device, int width)
{
    // What is shown, and for each shown character where it stands in the text.
    const bool mnemonics = flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic);
    QString shown;
    QList<qsizetype> from;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (mnemonics && text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i] == u'\n' ? QChar(QChar::LineSeparator) : text[i];
        from << i;
    }
    QTextLayout layout(shown, font, device);
    QTextOption option;
    option.setWrapMode(flags & Qt::TextWrapAnywhere ? QTextOption::WrapAnywhere : QTextOption::WordWrap);
    layout.setTextOption(option);
    QList<std::pair<qsizetype, qsizetype>> spans;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        spans.append({line.textStart(), line.textStart() + line.textLength()});
    }
    layout.endLayout();
    QStringList lines;
    for (const auto& [start, end] : spans) {
        const qsizetype first = start == 0 ? 0 : from[start - 1] + 1;
        const qsizetype last = end == 0 ? 0 : from[end - 1] + 1;
        QString line = text.mid(first, last - first);
        while (!line.isEmpty() && line.back().isSpace())
            line.chop(1);
        lines << line;
    }
    return lines;
}

} // namespace

void ClassicStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                                bool enabled, const QString& text, QPalette::ColorRole role) const
{
    const QStringList lines =
        flags & (Qt::TextWordWrap | Qt::TextWrapAnywhere)
            ? wrappedLines(text, flags, painter->font(), painter->device(), rect.width())
            : QStringList{};
    if (lines.size() < 2) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
        return;
    }
    // Each line is written on its own, from the top of its place.
    const qreal pitch = fonts::linePitch(painter->font(), painter->device()->devicePixelRatioF());
    const qreal height = pitch * lines.size();
    qreal top = rect.top();
    if (flags & Qt::AlignBottom)
        top = rect.bottom() + 1 - height;
    else if (flags & Qt::AlignVCenter)
        top += (rect.height() - height) / 2;
    const int lineFlags = (flags & ~(Qt::AlignVertical_Mask | Qt::TextWordWrap | Qt::TextWrapAnywhere))
                          | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;
    for (const QString& line : lines) {
        painter->save();
        painter->setClipRect(rect, Qt::IntersectClip);
        painter->translate(0, top - rect.top());
        QProxyStyle::drawItemText(painter, rect, lineFlags, palette, enabled, line, role);
        painter->restore();
        top += pitch;
    }
}

int ClassicStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    if (metric == PM_RadioButtonLabelSpacing || metric == PM_CheckBoxLabelSpacing)
        return kIndicatorSpacing;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

int ClassicStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace crucirco
