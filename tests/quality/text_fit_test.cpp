// The windows' fonts and texts at the screen's scale (run at 1, 1.5 and 2):
// every face the layouts name comes out as itself or a registered stand-in,
// every caption fits its control, and the board's grid runs between the
// cells' marks.

#include <QAbstractButton>
#include <QImage>
#include <QStyle>
#include <map>

#include "screens/qt/game_window.h"
#include "forms/qt/wrapping_button.h"
#include "tests/quality/every_window.h"

using namespace crucirco;
using namespace crucirco::widgets;

namespace {

// The controls drawn in the window itself, not in a pull-down menu.
QList<QWidget*> controlsOf(QWidget* window)
{
    QList<QWidget*> controls{window};
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->window() == window)
            controls << widget;
    }
    return controls;
}

// Whether the window's layout chose the control's face, itself or through
// the control's parents, rather than leaving Qt's default.
bool faceChosen(const QWidget* widget)
{
    return widget->font().resolveMask() & (QFont::FamilyResolved | QFont::FamiliesResolved);
}

constexpr int kUnbounded = 1 << 20;

// The room the control's text takes, and the room it has, in its own
// coordinates.
struct Fit {
    QRect need, room;
};

Fit labelFit(const QLabel* label, const QString& text)
{
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(), -label->margin());
    const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect bounds(0, 0, label->wordWrap() ? room.width() : kUnbounded, kUnbounded);
    return {label->fontMetrics().boundingRect(bounds, Qt::AlignLeft | Qt::AlignTop | wrap, text), room};
}

// A button that wraps its caption against the area it writes it in.
Fit wrappingButtonFit(const WrappingButton* button)
{
    const QRect room = button->captionArea();
    const QRect need = button->fontMetrics().boundingRect(QRect(0, 0, room.width(), kUnbounded),
        Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text());
    return {QRect(QPoint(0, 0), need.size()), room};
}

// Any other button: its style's own size for the caption, the indicator of
// a check or option box included, against the control's size; the height
// of one line of text against the control's height.
Fit buttonFit(const QAbstractButton* button)
{
    return {QRect(0, 0, button->sizeHint().width(), button->fontMetrics().height()), button->rect()};
}

// The runs of painted pixels along one row or column of `image`, in device pixels.
QList<std::pair<int, int>> inkRuns(const QImage& image, bool alongRow, int at, int from, int to)
{
    QList<std::pair<int, int>> runs;
    for (int i = from; i <= to; ++i) {
        const bool ink = qAlpha(alongRow ? image.pixel(i, at) : image.pixel(at, i)) > 0;
        if (ink && (runs.isEmpty() || runs.last().second != i - 1))
            runs.append({i, i});
        else if (ink)
            runs.last().second = i;
    }
    return runs;
}

// Nothing if the line's pixels lie clear between a mark ending at `before`
// and the next one starting at `after`, else what crosses what.
QString clearance(qreal before, qreal after, std::pair<int, int> line)
{
    if (before <= line.first && after >= line.second + 1)
        return {};
    return QStringLiteral("line at %1-%2, marks end at %3 and start at %4").arg(line.first).arg(line.second).arg(before).arg(after);
}

} // namespace

class TextFitTests final : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        prepareApplication(*qApp);
        qInfo("QT_SCALE_FACTOR=%s, device pixel ratio %g, logical %g dpi", qgetenv("QT_SCALE_FACTOR").constData(),
              qApp->devicePixelRatio(), Twips::logicalDpi());
    }
    void cleanup() { QVERIFY(!exitRequested()); }

    void facesResolveToTheirStandIns();
    void textsFitTheirControls();
    void gridRunsBetweenTheMarks();
};

void TextFitTests::facesResolveToTheirStandIns()
{
    ScriptedGame game;
    std::map<QString, QString> faces; // "family[ bold]" → what the machine gave
    QStringList wrong;
    for (QWidget* window : quality::openEveryWindow(game)) {
        QVERIFY(window);
        for (const QWidget* widget : controlsOf(window)) {
            if (!faceChosen(widget))
                continue;
            QString resolved;
            const QString face = widget->font().family() + (widget->font().bold() ? QStringLiteral(" bold") : QString());
            if (!resolvedAsRegistered(widget->font(), &resolved))
                wrong << QStringLiteral("%1/%2: %3 -> %4").arg(window->objectName(), widget->objectName(), face, resolved);
            faces.emplace(face, resolved);
        }
    }
    for (const auto& [face, resolved] : faces)
        qInfo("%s resolves to \"%s\"", qPrintable(face), qPrintable(resolved));
    QVERIFY2(faces.size() >= 6, "fewer faces than the layouts name");
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

void TextFitTests::textsFitTheirControls()
{
    ScriptedGame game;
    QStringList cut;
    int checked = 0;
    for (QWidget* window : quality::openEveryWindow(game)) {
        QVERIFY(window);
        for (QWidget* widget : controlsOf(window)) {
            QList<std::pair<QString, Fit>> fits;
            if (qobject_cast<CellLabel*>(widget)) {
                // A cell is empty until played; it must hold either mark.
                for (const QString& mark : {QStringLiteral("X"), QStringLiteral("O")})
                    fits.append({mark, labelFit(static_cast<QLabel*>(widget), mark)});
            } else if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
                fits.append({label->text(), labelFit(label, label->text())});
            } else if (auto* wrapping = qobject_cast<WrappingButton*>(widget)) {
                fits.append({wrapping->text(), wrappingButtonFit(wrapping)});
            } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                fits.append({button->text(), buttonFit(button)});
            }
            for (const auto& [text, fit] : fits) {
                if (text.isEmpty())
                    continue;
                ++checked;
                if (fit.need.width() > fit.room.width() || fit.need.height() > fit.room.height())
                    cut << QStringLiteral("%1/%2 \"%3\" needs %4×%5, has %6×%7")
                               .arg(window->objectName(), widget->objectName(), text)
                               .arg(fit.need.width()).arg(fit.need.height())
                               .arg(fit.room.width()).arg(fit.room.height());
            }
        }
    }
    qInfo("%d captions checked", checked);
    QVERIFY(checked > 40);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

// The grid is painted on the client area beneath the cells; drawn alone, at
// the screen's pixel ratio, each of its lines must pass between the marks of
// the rows or columns it separates, without touching any of them.
void TextFitTests::gridRunsBetweenTheMarks()
{
    ScriptedGame game;
    for (Window which : {Window::VersusMachine, Window::TwoPlayer}) {
        QWidget* window = showWindow(game.desktop, which);
        QVERIFY(window);
        QWidget* client = control(window, QStringLiteral("client"));
        QVERIFY(client);
        const qreal ratio = client->devicePixelRatioF();
        QImage grid(client->size() * ratio, QImage::Format_ARGB32_Premultiplied);
        grid.setDevicePixelRatio(ratio);
        grid.fill(Qt::transparent);
        client->render(&grid, {}, {}, QWidget::RenderFlags()); // the client's own lines, no children

        // Where a mark stands in each cell, in device pixels: centred, the
        // wider mark's advance by a line's height.
        QRectF marks[9];
        for (int i = 0; i < 9; ++i) {
            const QLabel* label = cell(window, i);
            const QFontMetrics metrics(label->font());
            const QSize size(std::max(metrics.horizontalAdvance(u'X'), metrics.horizontalAdvance(u'O')), metrics.height());
            const QRect box = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, label->geometry());
            marks[i] = QRectF(QPointF(box.topLeft()) * ratio, QSizeF(box.size()) * ratio);
        }
        const auto device = [ratio](int logical) { return int(std::lround(logical * ratio)); };
        // Across the middle row for the two upright lines, down the middle
        // column for the two level ones.
        const QRect middle = cell(window, 4)->geometry();
        const auto upright = inkRuns(grid, true, device(middle.center().y()), device(cell(window, 3)->x()),
                                     device(cell(window, 5)->geometry().right()));
        const auto level = inkRuns(grid, false, device(middle.center().x()), device(cell(window, 1)->y()),
                                   device(cell(window, 7)->geometry().bottom()));
        QCOMPARE(upright.size(), 2);
        QCOMPARE(level.size(), 2);
        QStringList crossed;
        for (int k = 0; k < 2; ++k) {
            for (int j = 0; j < 3; ++j) {
                crossed << clearance(marks[3 * j + k].right(), marks[3 * j + k + 1].left(), upright[k])
                        << clearance(marks[3 * k + j].bottom(), marks[3 * (k + 1) + j].top(), level[k]);
            }
        }
        crossed.removeAll(QString());
        QVERIFY2(crossed.isEmpty(), qPrintable(window->objectName() + QLatin1String(": ") + crossed.join(u';')));
    }
}

QTEST_MAIN(TextFitTests)
#include "text_fit_test.moc"
