// The windows' fonts and texts at the screen's scale (run at 1, 1.5 and 2):
// every face the layouts name comes out as itself or a registered stand-in,
// text stands where the face's Windows metrics put it, every caption fits
// its control, and the board's grid runs between the cells' marks.

#include "forms/qt/contrast.h"
#include "forms/qt/wrapping_button.h"
#include "screens/qt/game_window.h"
#include "screens/texts.h"
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

// What a control draws itself, without background or children, in device pixels.
QImage drawnAlone(QWidget* widget)
{
    QImage image(widget->size() * widget->devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(widget->devicePixelRatioF());
    image.fill(Qt::transparent);
    widget->render(&image, {}, {}, QWidget::RenderFlags());
    return image;
}
QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            box |= qAlpha(image.pixel(x, y)) ? QRect(x, y, 1, 1) : QRect();
    return box;
}

// A face's Windows ascent and descent at a font's size, in whole device pixels, from the face's own table.
std::pair<int, int> windowsMetrics(const QFont& font, qreal ratio)
{
    const QRawFont raw = QRawFont::fromFont(font);
    const QByteArray os2 = raw.fontTable("OS/2");
    const qreal scale = raw.pixelSize() * ratio / raw.unitsPerEm();
    return {qRound(qFromBigEndian<quint16>(os2.constData() + 74) * scale),
            qRound(qFromBigEndian<quint16>(os2.constData() + 76) * scale)};
}

// The faces that may stand in for those the layouts name, where the machine lacks them: the same
// metrics where there are any.
const QMultiHash<QString, QString> kStandIns{
    {"MS Sans Serif", "Tahoma"}, {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"},
    {"Verdana", "DejaVu Sans"},  {"IceAgeD", "Comic Neue"},
};

// What a control writes, if anything: a label's text (not a picture's), a button's caption.
QString caption(const QWidget* widget)
{
    auto* label = qobject_cast<const QLabel*>(widget);
    auto* button = qobject_cast<const QAbstractButton*>(widget);
    return label && label->pixmap().isNull() ? label->text() : button ? button->text() : QString();
}
// Where it writes it: within a label's margins; where a wrapping button wraps it; a push button's
// contents; beside the indicator of an option button or a check box.
QRect captionRoom(QWidget* widget)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    const auto contents = qobject_cast<QPushButton*>(widget)    ? QStyle::SE_PushButtonContents
                          : qobject_cast<QRadioButton*>(widget) ? QStyle::SE_RadioButtonContents
                                                                : QStyle::SE_CheckBoxContents;
    auto* label = qobject_cast<QLabel*>(widget);
    auto* wrapping = qobject_cast<WrappingButton*>(widget);
    return label      ? label->contentsRect().marginsRemoved(QMargins() + label->margin())
           : wrapping ? wrapping->captionArea()
                      : widget->style()->subElementRect(contents, &option, widget);
}

// Each text of a window as drawn, in its place: the colour most of the place shows, and the one
// that stands out from it most, the ink; a text whose ink stands out by less than 4.5 to 1.
QStringList faintTexts(QWidget* window)
{
    QStringList faint;
    const QImage shot = window->grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (caption(widget).isEmpty() || !widget->isVisible())
            continue;
        const QRect place =
            captionRoom(widget).translated(widget->mapTo(window, QPoint())).intersected(window->rect());
        QHash<QRgb, int> counts;
        for (int y = qRound(place.top() * ratio); y < qRound((place.bottom() + 1) * ratio); ++y)
            for (int x = qRound(place.left() * ratio); x < qRound((place.right() + 1) * ratio); ++x)
                ++counts[shot.pixel(x, y)];
        QRgb back = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            back = it.value() > counts.value(back) ? it.key() : back;
        qreal ink = 1;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            ink = std::max(ink, contrast(QColor(it.key()), QColor(back)));
        if (ink < kReadableContrast)
            faint << QStringLiteral("%1/%2 %3:1")
                         .arg(window->objectName(), widget->objectName())
                         .arg(ink, 0, 'f', 1);
    }
    return faint;
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
        const QList<QPointer<QWidget>> windows = openEveryWindow(game);
        for (QWidget* window : windows)
            for (QWidget* widget : QList<QWidget*>{window} + window->findChildren<QWidget*>()) {
                if (widget->window() != window) {
                    // Drawn in a pull-down menu, which writes in the window font as its menu bar does.
                    if (qobject_cast<QMenu*>(widget) && widget->font() != fonts::windowDefault())
                        wrong << window->objectName() + ": a menu in " + widget->font().toString();
                    continue;
                }
                const QFont font = widget->font();
                const QString where = window->objectName() + '/' + widget->objectName();
                const QString resolved = QFontInfo(font).family();
                // A face the layout chose, itself or through the control's parents, and what the machine
                // gave.
                if (font.resolveMask() & (QFont::FamilyResolved | QFont::FamiliesResolved)) {
                    if (resolved != font.family() && !kStandIns.contains(font.family(), resolved))
                        wrong << where + ": " + font.family() + " came out as " + resolved;
                    faces << font.family() + (font.bold() ? " bold" : "") + " as " + resolved;
                }
                // The room each caption takes in the control's font, its lines a Windows line's height
                // apart, and the room it has; a cell is empty until played, and must hold either mark. A
                // wrapping button wraps against where it writes its caption, an option button or check box
                // writes it beside its indicator.
                auto* label = qobject_cast<QLabel*>(widget);
                const QRect room = captionRoom(widget);
                const int wraps = (label && label->wordWrap()) || qobject_cast<WrappingButton*>(widget)
                                      ? Qt::TextWordWrap
                                      : 0;
                const QStringList texts =
                    qobject_cast<CellLabel*>(widget) ? QStringList{"X", "O"} : QStringList{caption(widget)};
                for (const QString& text : texts) {
                    QSize need = widget->fontMetrics()
                                     .boundingRect(QRect(0, 0, wraps ? room.width() : 1 << 20, 1 << 20),
                                                   Qt::TextShowMnemonic | wraps, text)
                                     .size();
                    // Above scale 1 a line's ascent and descent, each rounded to device pixels, may take a
                    // pixel more than the twips give, on Windows as here.
                    const qreal ratio = widget->devicePixelRatioF();
                    const int lines = qRound(need.height() / QFontMetricsF(widget->font()).lineSpacing());
                    need.setHeight(qCeil(lines * fonts::linePitch(widget->font(), ratio)) - (ratio > 1));
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
        QVERIFY2(faces.size() >= 6, qPrintable(faces.join(", ")));
        QVERIFY2(captions > 40, qPrintable(QString::number(captions)));
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join("; ")));
        // "Dificultad máxima" fits the width it was laid out with, not a wider one.
        QCOMPARE(control(windows[indexOf(Window::VersusMachine)], "Option4")->width(), Twips::toPixels(1575));
    }

    void everyTextReads_data()
    {
        QTest::addColumn<QPalette>("colours");
        QTest::addColumn<bool>("switchedTo"); // while the windows are open
        QTest::addColumn<QColor>("aboutText"); // About's description: black wherever black reads
        QPalette blueText = QApplication::palette();
        blueText.setColor(QPalette::WindowText, Qt::darkBlue);
        QTest::newRow("light, blue text") << blueText << false << QColor(Qt::black);
        // The dark schemes' greys, with the light text and the other colours Qt derives from them.
        QTest::newRow("Breeze Dark") << QPalette(QColor("#31363b"), QColor("#31363b")) << false
                                     << QColor(Qt::white);
        QTest::newRow("Adwaita-dark")
            << QPalette(QColor("#353535"), QColor("#353535")) << true << QColor(Qt::white);
    }
    // Every text a person reads stands out from what it is drawn on, in every window and a box, on
    // a light scheme and on dark ones alike, chosen before the game starts or while it runs.
    void everyTextReads()
    {
        QFETCH(QPalette, colours);
        QFETCH(bool, switchedTo);
        QFETCH(QColor, aboutText);
        const QPalette before = QApplication::palette();
        const auto restore = qScopeGuard([&] { QApplication::setPalette(before); });
        if (!switchedTo)
            QApplication::setPalette(colours);
        ScriptedGame game;
        const QList<QPointer<QWidget>> windows = openEveryWindow(game);
        QApplication::setPalette(colours);
        QCoreApplication::processEvents(); // where a change of scheme reaches the windows
        cell(windows[indexOf(Window::VersusMachine)], 4)->setText("X");
        QStringList faint;
        for (QWidget* window : windows)
            faint << faintTexts(window);
        QTimer::singleShot(0, [&] {
            QWidget* box = QApplication::activeModalWidget();
            faint << faintTexts(box);
            box->close();
        });
        QtMessageBoxes().confirm(texts::kAppTitle, texts::kConfirmExit);
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(", ")));
        QCOMPARE(
            control(windows[indexOf(Window::About)], "lblDescription")->palette().color(QPalette::WindowText),
            aboutText);
    }

    // A mark, a tally heading and a tally: the first baseline the ascent below the label's top, the
    // mark centred across, the others at the left. The welcome's lines: ascent and descent apart.
    void linesWhereTheFaceMetricsPutThem()
    {
        ScriptedGame game;
        QWidget* versus = showWindow(game.desktop, Window::VersusMachine);
        cell(versus, 4)->setText("X");
        control<QLabel>(versus, "lblX")->setText("7");
        for (const char* name : {"lbl4", "Label2", "lblX"}) {
            QLabel* label = control<QLabel>(versus, name);
            const qreal ratio = label->devicePixelRatioF();
            const QRect ink = inkBox(drawnAlone(label));
            QCOMPARE(ink.bottom() + 1, windowsMetrics(label->font(), ratio).first);
            const bool centred = qAbs(ink.center().x() - label->width() * ratio / 2) <= ratio;
            QVERIFY2(label == cell(versus, 4) ? centred : ink.left() <= 2 * ratio, name);
        }
        QLabel* welcome = control<QLabel>(showWindow(game.desktop, Window::MainMenu), "Label1");
        const QImage lines = drawnAlone(welcome);
        QList<int> tops;
        bool inked = false;
        for (int y = 0; y < lines.height(); ++y) {
            const bool ink = !inkBox(lines.copy(0, y, lines.width(), 1)).isEmpty();
            if (ink && !inked)
                tops << y;
            inked = ink;
        }
        const auto [ascent, descent] = windowsMetrics(welcome->font(), welcome->devicePixelRatioF());
        QVERIFY(tops.size() >= 3); // the third line may show its j's dot apart
        QCOMPARE(tops[1] - tops[0], ascent + descent);
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
            const QImage grid = drawnAlone(client); // the client's own lines
            // Where either mark stands in each cell, in device pixels, as the cell draws it.
            QRect marks[9];
            for (int i = 0; i < 9; ++i)
                for (const char* mark : {"X", "O"}) {
                    cell(window, i)->setText(mark);
                    const QRect ink = inkBox(drawnAlone(cell(window, i)));
                    marks[i] |= ink.translated((QPointF(cell(window, i)->pos()) * ratio).toPoint());
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
            const auto clear = [&](int before, int after, std::pair<int, int> line) {
                if (before >= line.first || after <= line.second)
                    crossed << QStringLiteral("line at %1-%2, marks end at %3 and start at %4")
                                   .arg(line.first)
                                   .arg(line.second)
                                   .arg(before)
                                   .arg(after);
            };
            QCOMPARE(QList<qsizetype>({runs[0].size(), runs[1].size()}),
                     QList<qsizetype>({2, 2})); // lines across
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
