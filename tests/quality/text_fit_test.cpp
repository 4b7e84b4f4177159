// The windows' fonts and texts at the screen's scale (run at 1, 1.5 and 2):
// every face the layouts name comes out as itself or a registered stand-in,
// every caption fits its control, and the board's grid runs between the
// cells' marks.

#include "forms/qt/wrapping_button.h"
#include "screens/qt/game_window.h"
#include "tests/widgets/widget_rig.h"

// The program's windows open side by side, the splash held open: its timer
// would hand over to the main menu while a slow run is still reading it.
QList<QPointer<QWidget>> openEveryWindow(ScriptedGame& game)
{
    game.program().show(Window::Splash);
    control<QTimer>(game.window(Window::Splash), "Timer1")->stop();
    QList<QPointer<QWidget>> windows;
    for (const WindowRow& row : kWindows)
        windows << showWindow(game.desktop, row.id);
    return windows;
}

class TextFitTests final : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { prepareApplication(*qApp); }

    void facesAndCaptions()
    {
        ScriptedGame game;
        QStringList faces;
        QStringList wrong;
        int captions = 0;
        for (QWidget* window : openEveryWindow(game))
            for (QWidget* widget : QList<QWidget*>{window} + window->findChildren<QWidget*>()) {
                if (widget->window() != window)
                    continue; // drawn in a pull-down menu, not in the window
                const QFont font = widget->font();
                const QString where = window->objectName() + '/' + widget->objectName();
                const QString resolved = QFontInfo(font).family();
                // A face the layout chose, itself or through the control's parents, and what the machine
                // gave.
                if (font.resolveMask() & (QFont::FamilyResolved | QFont::FamiliesResolved)) {
                    if (resolved.compare(font.family(), Qt::CaseInsensitive)
                        && !QFont::substitutes(font.family()).contains(resolved, Qt::CaseInsensitive))
                        wrong << where + ": " + font.family() + " came out as " + resolved;
                    faces << font.family() + (font.bold() ? " bold" : "") + " as " + resolved;
                }
                // The room each caption takes in the control's font, and the room it has; a cell is
                // empty until played, and must hold either mark. A wrapping button wraps against where
                // it writes its caption; any other button takes its style's size for it, indicator included.
                auto* label = qobject_cast<QLabel*>(widget);
                auto* button = qobject_cast<QAbstractButton*>(widget);
                auto* wrapping = qobject_cast<WrappingButton*>(widget);
                const QRect room = label ? label->contentsRect().marginsRemoved(QMargins() + label->margin())
                                   : wrapping ? wrapping->captionArea()
                                              : widget->rect();
                const int wraps = (label && label->wordWrap()) || wrapping ? Qt::TextWordWrap : 0;
                const QStringList texts = qobject_cast<CellLabel*>(widget)    ? QStringList{"X", "O"}
                                          : label && label->pixmap().isNull() ? QStringList{label->text()}
                                          : button                            ? QStringList{button->text()}
                                                                              : QStringList{};
                for (const QString& text : texts) {
                    const QSize need =
                        button && !wrapping
                            ? QSize(button->sizeHint().width(), widget->fontMetrics().height())
                            : widget->fontMetrics()
                                  .boundingRect(QRect(0, 0, wraps ? room.width() : 1 << 20, 1 << 20),
                                                Qt::TextShowMnemonic | wraps, text)
                                  .size();
                    captions += !text.isEmpty();
                    if (!text.isEmpty() && (need.width() > room.width() || need.height() > room.height()))
                        wrong << QStringLiteral("%1 \"%2\" needs %3×%4, has %5×%6")
                                     .arg(where, text)
                                     .arg(need.width())
                                     .arg(need.height())
                                     .arg(room.width())
                                     .arg(room.height());
                }
            }
        faces.removeDuplicates();
        qInfo("%d captions; %s", captions, qPrintable(faces.join(", ")));
        QVERIFY2(faces.size() >= 6 && captions > 40, "fewer faces or captions than the layouts have");
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
    }

    // The grid is painted on the client area beneath the cells; drawn alone, at
    // the screen's pixel ratio, each of its lines must pass between the marks of
    // the rows or columns it separates, without touching any of them.
    void gridRunsBetweenTheMarks()
    {
        ScriptedGame game;
        for (Window which : {Window::VersusMachine, Window::TwoPlayer}) {
            QWidget* window = showWindow(game.desktop, which);
            QWidget* client = control(window, "client");
            const qreal ratio = client->devicePixelRatioF();
            QImage grid(client->size() * ratio, QImage::Format_ARGB32_Premultiplied);
            grid.setDevicePixelRatio(ratio);
            grid.fill(Qt::transparent);
            client->render(&grid, {}, {}, QWidget::RenderFlags()); // the client's own lines, no children
            // Where a mark stands in each cell, in device pixels: centred, the wider mark's advance by a
            // line's height.
            QRectF marks[9];
            for (int i = 0; i < 9; ++i) {
                const QFontMetrics m(cell(window, i)->font());
                const QRect box = QStyle::alignedRect(
                    Qt::LeftToRight, Qt::AlignCenter,
                    QSize(std::max(m.horizontalAdvance(u'X'), m.horizontalAdvance(u'O')), m.height()),
                    cell(window, i)->geometry());
                marks[i] = QRectF(QPointF(box.topLeft()) * ratio, QSizeF(box.size()) * ratio);
            }
            // The runs of ink across the middle row, for the two upright lines, and down the middle column,
            // for the level ones.
            QList<std::pair<int, int>> runs[2];
            const QPoint middle = cell(window, 4)->geometry().center() * ratio;
            for (int upright : {1, 0})
                for (int i = 0; i < (upright ? grid.width() : grid.height()); ++i)
                    if (qAlpha(upright ? grid.pixel(i, middle.y()) : grid.pixel(middle.x(), i)) == 0)
                        continue;
                    else if (runs[upright].isEmpty() || runs[upright].last().second != i - 1)
                        runs[upright].append({i, i});
                    else
                        runs[upright].last().second = i;
            QStringList crossed;
            const auto clear = [&](qreal before, qreal after, std::pair<int, int> line) {
                if (before > line.first || after < line.second + 1)
                    crossed << QStringLiteral("line at %1-%2, marks end at %3 and start at %4")
                                   .arg(line.first)
                                   .arg(line.second)
                                   .arg(before)
                                   .arg(after);
            };
            QVERIFY2(runs[0].size() == 2 && runs[1].size() == 2, "not four grid lines across the middle");
            for (int k = 0; k < 2; ++k) {
                for (int j = 0; j < 3; ++j) {
                    clear(marks[3 * j + k].right(), marks[3 * j + k + 1].left(), runs[1][k]);
                    clear(marks[3 * k + j].bottom(), marks[3 * (k + 1) + j].top(), runs[0][k]);
                }
            }
            QVERIFY2(crossed.isEmpty(), qPrintable(window->objectName() + ": " + crossed.join(u';')));
        }
    }
};

QTEST_MAIN(TextFitTests)
#include "text_fit_test.moc"
