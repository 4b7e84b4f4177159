#pragma once

#include <QProxyStyle>

namespace crucirco {

// The application's style: Qt's own Fusion, whatever style the desktop sets,
// since the layouts fix each control's size and another style's wider
// indicators and margins cut captions short; drawing text the way the layouts
// were measured. Lines of wrapped text stand a line's height apart as Windows
// measures it (fonts::linePitch), where Qt rounds each line's place up to a
// whole pixel; option buttons and check boxes keep their captions close to
// the indicator, so that "Dificultad máxima" fits the width it was laid out
// with; buttons in message boxes carry no icons and stand in the order of
// the game's own boxes, OK before Cancel, whatever the desktop's order.
class ClassicStyle final : public QProxyStyle
{
public:
    ClassicStyle();
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole role = QPalette::NoRole) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
};

} // namespace crucirco
