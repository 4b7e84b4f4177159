#include "forms/qt/classic_style.h"

#include <QDialogButtonBox>
#include <QList>
#include <QPainter>
#include <QStyleFactory>
#include <QTextLayout>

#include "forms/qt/fonts.h"

namespace crucirco {

namespace {

// Where the caption of an option button or a check box starts after its
// indicator, in pixels: as close as the classic controls draw it.
constexpr int kIndicatorSpacing = 3;

// The lines a word-wrapped text breaks into, as Qt breaks them, each as the
// part of the text it came from (mnemonic marks included, trailing blanks
// left out).
QStringList wrappedLines(const QString& text, int flags, const QFont& font, QPaintDevice* device, int width)
{
    // What is shown, and for each shown character where its part of the text
    // begins, its mnemonic mark included; last, where the text ends.
    const bool mnemonics = flags & (Qt::TextShowMnemonic | Qt::TextHideMnemonic);
    QString shown;
    QList<qsizetype> from;
    for (qsizetype i = 0; i < text.size(); ++i) {
        from << i;
        if (mnemonics && text[i] == u'&' && i + 1 < text.size())
            ++i;
        shown += text[i] == u'\n' ? QChar(QChar::LineSeparator) : text[i];
    }
    from << text.size();
    QStringList lines;
    QTextLayout layout(shown, font, device);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const qsizetype first = from[line.textStart()];
        const qsizetype last = from[line.textStart() + line.textLength()];
        qsizetype end = last;
        while (end > first && text[end - 1].isSpace())
            --end;
        lines << text.sliced(first, end - first);
    }
    layout.endLayout();
    return lines;
}

} // namespace

ClassicStyle::ClassicStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

void ClassicStyle::drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette,
                                bool enabled, const QString& text, QPalette::ColorRole role) const
{
    const QStringList lines =
        flags & Qt::TextWordWrap ? wrappedLines(text, flags, painter->font(), painter->device(), rect.width())
                                 : QStringList{};
    if (lines.size() < 2) {
        QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
        return;
    }
    // Each line is written on its own, from the top of its place.
    const qreal pitch = fonts::linePitch(painter->font(), painter->device()->devicePixelRatioF());
    const qreal height = pitch * lines.size();
    // The game's wrapped texts stand at the top or in the middle.
    qreal top = rect.top();
    if (flags & Qt::AlignVCenter)
        top += (rect.height() - height) / 2;
    const int lineFlags = (flags & ~(Qt::AlignVertical_Mask | Qt::TextWordWrap)) | Qt::AlignTop
                          | Qt::TextSingleLine | Qt::TextDontClip;
    for (const QString& line : lines) {
        painter->save();
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
    if (hint == SH_DialogButtonLayout)
        return QDialogButtonBox::WinLayout;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

} // namespace crucirco
