// The windows' fonts and texts at the screen's scale (run at 1, 1.5 and 2):
// every face the layouts name comes out as itself or a registered stand-in,
// every caption fits its control, and the board's grid runs between the
// cells' marks.

#include <QFontInfo>
#include <QImage>
#include <QStyle>
#include <map>

#include "forms/qt/twips.h"
#include "forms/qt/wrapping_button.h"
#include "screens/qt/game_window.h"
#include "tests/quality/every_window.h"

using namespace crucirco;
using namespace crucirco::widgets;

namespace {

constexpr int kUnbounded = 1 << 20;

// The room a caption takes in the control's font, and the room it has.
struct Fit {
    QString text;
    QSize need, room;
};

QList<Fit> fitsOf(QWidget* widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    if (auto* label = qobject_cast<QLabel*>(widget); label && label->pixmap().isNull()) {
        const int margin = label->margin();
        const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
        const QRect bounds(0, 0, label->wordWrap() ? room.width() : kUnbounded, kUnbounded);
        const int flags = Qt::AlignLeft | Qt::AlignTop | (label->wordWrap() ? Qt::TextWordWrap : 0);
        QList<Fit> fits; // a cell is empty until played, and must hold either mark
        for (const QString& text : qobject_cast<CellLabel*>(label) ? QStringList{"X", "O"} : QStringList{label->text()})
            fits.append({text, metrics.boundingRect(bounds, flags, text).size(), room.size()});
        return fits;
    }
    if (auto* wrapping = qobject_cast<WrappingButton*>(widget)) { // wraps against where it writes its caption
        const QRect room = wrapping->captionArea();
        return {{wrapping->text(), metrics.boundingRect(QRect(0, 0, room.width(), kUnbounded),
                    Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, wrapping->text()).size(), room.size()}};
    }
    // Any other button: its style's size for the caption, a check or option
    // box's indicator included, and one line of text, against its own size.
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return {{button->text(), {button->sizeHint().width(), metrics.height()}, button->size()}};
    return {};
}

// The runs of painted pixels along one row or column of `image`.
QList<std::pair<int, int>> inkRuns(const QImage& image, bool alongRow, int at, int from, int to)
{
    QList<std::pair<int, int>> runs;
    for (int i = from; i <= to; ++i) {
        if (qAlpha(alongRow ? image.pixel(i, at) : image.pixel(at, i)) == 0)
            continue;
        if (runs.isEmpty() || runs.last().second != i - 1)
            runs.append({i, i});
        runs.last().second = i;
    }
    return runs;
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

    void facesAndCaptions();
    void gridRunsBetweenTheMarks();
};

void TextFitTests::facesAndCaptions()
{
    ScriptedGame game;
    std::map<QString, QString> faces; // "family[ bold]" → what the machine gave
    QStringList wrong;
    int captions = 0;
    for (QWidget* window : quality::openEveryWindow(game)) {
        QVERIFY(window);
        QList<QWidget*> controls{window}; // those drawn in the window itself, not in a pull-down menu
        for (QWidget* widget : window->findChildren<QWidget*>())
            if (widget->window() == window)
                controls << widget;
        for (QWidget* widget : controls) {
            const QFont font = widget->font();
            const QString where = window->objectName() + '/' + widget->objectName();
            // A face the layout chose, itself or through the control's parents.
            if (font.resolveMask() & (QFont::FamilyResolved | QFont::FamiliesResolved)) {
                const QString resolved = QFontInfo(font).family();
                if (resolved.compare(font.family(), Qt::CaseInsensitive) != 0
                    && !QFont::substitutes(font.family()).contains(resolved, Qt::CaseInsensitive))
                    wrong << QStringLiteral("%1: %2 came out as %3").arg(where, font.family(), resolved);
                faces.emplace(font.family() + (font.bold() ? " bold" : ""), resolved);
            }
            for (const Fit& fit : fitsOf(widget)) {
                captions += !fit.text.isEmpty();
                if (!fit.text.isEmpty() && (fit.need.width() > fit.room.width() || fit.need.height() > fit.room.height()))
                    wrong << QStringLiteral("%1 \"%2\" needs %3×%4, has %5×%6").arg(where, fit.text).arg(fit.need.width())
                                 .arg(fit.need.height()).arg(fit.room.width()).arg(fit.room.height());
            }
        }
    }
    for (const auto& [face, resolved] : faces)
        qInfo("%s resolves to \"%s\"", qPrintable(face), qPrintable(resolved));
    qInfo("%d captions checked", captions);
    QVERIFY2(faces.size() >= 6 && captions > 40, "fewer faces or captions than the layouts have");
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

// The grid is painted on the client area beneath the cells; drawn alone, at
// the screen's pixel ratio, each of its lines must pass between the marks of
// the rows or columns it separates, without touching any of them.
void TextFitTests::gridRunsBetweenTheMarks()
{
    ScriptedGame game;
    for (Window which : {Window::VersusMachine, Window::TwoPlayer}) {
        QWidget* window = showWindow(game.desktop, which);
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
            const QFontMetrics metrics(cell(window, i)->font());
            const QSize size(std::max(metrics.horizontalAdvance(u'X'), metrics.horizontalAdvance(u'O')), metrics.height());
            const QRect box = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, cell(window, i)->geometry());
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
        QVERIFY(upright.size() == 2 && level.size() == 2);
        QStringList crossed;
        const auto clear = [&](qreal before, qreal after, std::pair<int, int> line) {
            if (before > line.first || after < line.second + 1)
                crossed << QStringLiteral("line at %1-%2, marks end at %3 and start at %4")
                               .arg(line.first).arg(line.second).arg(before).arg(after);
        };
        for (int k = 0; k < 2; ++k) {
            for (int j = 0; j < 3; ++j) {
                clear(marks[3 * j + k].right(), marks[3 * j + k + 1].left(), upright[k]);
                clear(marks[3 * k + j].bottom(), marks[3 * (k + 1) + j].top(), level[k]);
            }
        }
        QVERIFY2(crossed.isEmpty(), qPrintable(window->objectName() + ": " + crossed.join(u';')));
    }
}

QTEST_MAIN(TextFitTests)
#include "text_fit_test.moc"
