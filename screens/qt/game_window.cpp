#include "screens/qt/game_window.h"

#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <optional>
#include <vector>

#include "forms/qt/wrapping_button.h"
#include "screens/texts.h"

namespace crucirco {

namespace {

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, const TwipRect& r)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(Twips::rect(r));
    return label;
}

constexpr int kBoardColumns[3] = {2160, 2760, 3360};
constexpr int kBoardRows[3] = {1080, 1560, 2160};
constexpr TwipLine kBoardGrid[4] = {
    {.x1 = 2640, .y1 = 1080, .x2 = 2640, .y2 = 2640},
    {.x1 = 3240, .y1 = 1080, .x2 = 3240, .y2 = 2640},
    {.x1 = 3720, .y1 = 1560, .x2 = 2160, .y2 = 1560},
    {.x1 = 2160, .y1 = 2160, .x2 = 3720, .y2 = 2160},
};
constexpr TwipRect kCmdReiniciar{.left = 3120, .top = 360, .width = 975, .height = 495};

// Cells 0 and 8 are 375 twips high, the others 495; all are 375 wide but
// cell 0, whose width each screen gives.
constexpr TwipRect cellRect(int index, const GameWindowLayout& layout)
{
    return {.left = kBoardColumns[index % 3],
            .top = kBoardRows[index / 3],
            .width = index == 0 ? layout.cell0Width : 375,
            .height = (index == 0 || index == 8) ? 375 : 495};
}

// The tally block: the headings "X" and "O" on its top, the counts 600
// twips below.
TwipRect headingRect(const GameWindowLayout& layout, int left)
{
    return {left, layout.tallyTop, 255, 375};
}

TwipRect countRect(const GameWindowLayout& layout, int left)
{
    return {left, layout.tallyTop + 600, 255, 375};
}

QString place(int index)
{
    return QStringLiteral("fila %1, columna %2").arg(index / 3 + 1).arg(index % 3 + 1);
}

QString markInWords(const QString& caption)
{
    if (caption.isEmpty())
        return QStringLiteral("vacía");
    return caption == QLatin1String("X") ? QStringLiteral("cruz") : QStringLiteral("círculo");
}

QString capitalised(QString words)
{
    words[0] = words[0].toUpper();
    return words;
}

QString markInWords(Mark mark)
{
    return markInWords(toQString(captionOf(mark)));
}

QString countOf(const Tally& tally)
{
    return tally.caption().empty() ? QStringLiteral("0") : QString::fromStdString(tally.caption());
}

// "Victorias: cruz 2, círculo 1".
QString talliesInWords(const Tallies& tallies)
{
    return QStringLiteral("Victorias: cruz %1, círculo %2")
        .arg(countOf(tallies.cross), countOf(tallies.circle));
}

SpokenLabel* makeTally(QWidget* parent, const char* name, const QString& whose, const TwipRect& r)
{
    auto* tally = new SpokenLabel(
        [whose](const QString& count) { return whose + QStringLiteral(": ") + count; }, false, parent);
    tally->setObjectName(QString::fromLatin1(name));
    tally->setGeometry(Twips::rect(r));
    // The tallies and their headings keep a label's own alignment: at the
    // left, from the top.
    tally->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return tally;
}

// The cell a digit key plays, if any.
std::optional<int> cellForKey(int key, bool keypad)
{
    if (key < Qt::Key_1 || key > Qt::Key_9)
        return std::nullopt;
    const int digit = key - Qt::Key_1; // 0 to 8
    if (!keypad)
        return digit;
    // The keypad's bottom row (1 2 3) is the board's bottom row.
    return (2 - digit / 3) * 3 + digit % 3;
}

// What a cell is called: its place, then its mark.
SpokenLabel::Namer cellNamer(int index)
{
    return [index](const QString& caption) {
        return capitalised(place(index)) + QStringLiteral(": ") + markInWords(caption);
    };
}

} // namespace

CellLabel::CellLabel(int index, QWidget* parent)
    : SpokenLabel(cellNamer(index), true, parent)
{
}

// The window's client area; it draws the layout's straight lines beneath
// the labels.
class GameWindow::Canvas final : public QWidget
{
public:
    Canvas(QWidget* parent, int tallyTop)
        : QWidget(parent)
    {
        const TwipLine tallyLines[2] = {
            {.x1 = 480, .y1 = tallyTop, .x2 = 480, .y2 = tallyTop + 1200}, // Line5, between the two columns
            {.x1 = 0, .y1 = tallyTop + 480, .x2 = 840, .y2 = tallyTop + 480}, // Line6, under the headings
        };
        for (const TwipLine& l : kBoardGrid)
            lines_.emplace_back(Twips::point(l.x1, l.y1), Twips::point(l.x2, l.y2));
        for (const TwipLine& l : tallyLines)
            lines_.emplace_back(Twips::point(l.x1, l.y1), Twips::point(l.x2, l.y2));
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
        for (const QLine& line : lines_)
            painter.drawLine(line);
    }

private:
    std::vector<QLine> lines_;
};

GameWindow::GameWindow(GameForm& screen, Navigator& navigator, HandlerGate& gate,
                       const GameWindowLayout& layout)
    : FormWindow(screen, navigator, gate)
    , screen_(screen)
{
    client_ = new Canvas(this, layout.tallyTop);
    client_->setObjectName(QStringLiteral("client"));
    client_->setFixedSize(clientSize());
    setCentralWidget(client_);

    const QFont markFont = fonts::face(fonts::kTahoma, 15.75);
    int i = 0;
    for (CellLabel*& cell : cells_) {
        cell = new CellLabel(i, client_);
        cell->setObjectName(QStringLiteral("lbl%1").arg(i));
        cell->setGeometry(Twips::rect(cellRect(i, layout)));
        cell->setFont(markFont);
        // Drawn from the top, so that the marks of a row stand level
        // although its cells differ in height.
        cell->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        connect(cell, &CellLabel::clicked, this, [this, i] { forward([this, i] { screen_.lbl_Click(i); }); });
        ++i;
    }
    const QString crossWins = QStringLiteral("Victorias de la cruz");
    const QString circleWins = QStringLiteral("Victorias del círculo");
    QLabel* label2 = makeLabel(client_, "Label2", QStringLiteral("X"), headingRect(layout, 120));
    QLabel* label3 = makeLabel(client_, "Label3", QStringLiteral("O"), headingRect(layout, 600));
    for (QLabel* heading : {label2, label3}) {
        heading->setFont(markFont);
        heading->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    label2->setAccessibleName(crossWins);
    label3->setAccessibleName(circleWins);
    lblX_ = makeTally(client_, "lblX", crossWins, countRect(layout, 120));
    lblO_ = makeTally(client_, "lblO", circleWins, countRect(layout, 600));
    announcer_ = new Announcer(client_);
    QLabel* label1 = makeLabel(client_, "Label1", toQString(texts::kWebAddress), layout.label1);
    label1->setFont(fonts::face(fonts::kIceAged, 12));
    label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    cmdReiniciar_ = new WrappingButton(QStringLiteral("Jugar de nuevo"), client_);
    cmdReiniciar_->setObjectName(QStringLiteral("cmdReiniciar"));
    cmdReiniciar_->setGeometry(Twips::rect(kCmdReiniciar));
    connect(cmdReiniciar_, &QPushButton::clicked, this,
            [this] { forward([this] { screen_.cmdReiniciar_Click(); }); });
    command1_ = new WrappingButton(QString::fromUtf8(layout.command1Caption), client_);
    command1_->setObjectName(QStringLiteral("Command1"));
    command1_->setGeometry(Twips::rect(layout.command1()));
    connect(command1_, &QPushButton::clicked, this,
            [this] { forward([this] { screen_.Command1_Click(); }); });

    buildMenu(layout);
    // The window takes the size of its menu bar and client area, and keeps it.
    this->layout()->setSizeConstraint(QLayout::SetFixedSize);
    GameWindow::refresh();
}

GameWindow::~GameWindow() = default;

void GameWindow::buildMenu(const GameWindowLayout& layout)
{
    struct Item
    {
        const char* name;
        const char* caption;
        Qt::Key key;
        void (*handler)(GameForm&);
        bool help;
    };
    QMenu* archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("fef"));
    QMenu* ayuda = menuBar()->addMenu(QStringLiteral("Ayuda"));
    ayuda->setObjectName(QStringLiteral("fwefw"));
    const Item items[] = {
        {.name = "mnuAgain",
         .caption = "&Jugar de nuevo",
         .key = Qt::Key_F2,
         .handler = [](GameForm& s) { s.mnuAgain_Click(); },
         .help = false},
        {.name = "mnuPPal",
         .caption = "&Menú principal",
         .key = Qt::Key_F8,
         .handler = [](GameForm& s) { s.mnuPPal_Click(); },
         .help = false},
        {.name = "mnuEnd",
         .caption = layout.exitCaption,
         .key = Qt::Key_F4,
         .handler = [](GameForm& s) { s.mnuEnd_Click(); },
         .help = false},
        {.name = "mnuAbout",
         .caption = "Acerca...",
         .key = Qt::Key_F1,
         .handler = [](GameForm& s) { s.mnuAbout_Click(); },
         .help = true},
    };
    for (const Item& item : items) {
        QMenu* menu = item.help ? ayuda : archivo;
        QAction* action = menu->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromLatin1(item.name));
        action->setShortcut(QKeySequence(item.key));
        const auto handler = item.handler;
        connect(action, &QAction::triggered, this,
                [this, handler] { forward([this, handler] { handler(screen_); }); });
    }
}

void GameWindow::refresh()
{
    int i = 0;
    for (CellLabel* cell : cells_)
        cell->setText(toQString(captionOf(screen_.board().at(i++))));
    lblX_->setText(QString::fromStdString(screen_.tallies().cross.caption()));
    lblO_->setText(QString::fromStdString(screen_.tallies().circle.caption()));
}

// Each change renames the cell or tally it touches, which a screen reader
// hears as one event; marks placed and a new game are announced as well,
// since the cells never have the focus that would have them read out.
void GameWindow::markPlaced(int cell, Mark mark)
{
    cells_[static_cast<std::size_t>(cell)]->setText(toQString(captionOf(mark)));
    announcer_->say(capitalised(markInWords(mark)) + QStringLiteral(" en ") + place(cell));
}

void GameWindow::boardCleared()
{
    for (CellLabel* cell : cells_)
        cell->setText(QString());
    announcer_->say(QStringLiteral("Nueva partida"));
}

void GameWindow::tallyRaised(Mark winner)
{
    const Tally& tally = winner == Mark::Circle ? screen_.tallies().circle : screen_.tallies().cross;
    tallyOf(winner)->setText(QString::fromStdString(tally.caption()));
    announcer_->say(talliesInWords(screen_.tallies()));
}

// Nothing is drawn for these: the board stays as it is. A sighted player
// sees that a cell is taken or that no cell is left; a blind one hears it.
void GameWindow::moveRefused(int cell, Mark occupant)
{
    announcer_->say(QStringLiteral("Casilla ocupada: ") + place(cell) + QStringLiteral(", ")
                    + markInWords(occupant));
}

void GameWindow::boardFilled()
{
    announcer_->say(QStringLiteral("Tablero lleno, nadie gana"));
}

// "Fila 1: cruz, vacía, círculo. Fila 2: ...", whose turn where the window
// tells it, and the tallies: what a sighted player takes in at a glance.
QString GameWindow::inWords() const
{
    QStringList parts;
    for (int row : {0, 1, 2}) {
        QStringList marks;
        for (int column : {0, 1, 2})
            marks << markInWords(screen_.board().at(3 * row + column));
        parts << QStringLiteral("Fila %1: ").arg(row + 1) + marks.join(QStringLiteral(", "));
    }
    const QString turn = turnInWords();
    if (!turn.isEmpty())
        parts << turn;
    parts << talliesInWords(screen_.tallies());
    return parts.join(QStringLiteral(". "));
}

void GameWindow::keyPressEvent(QKeyEvent* event)
{
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (plain && event->key() == Qt::Key_0) {
        announcer_->say(inWords());
        return;
    }
    const std::optional<int> cell =
        plain ? cellForKey(event->key(), event->modifiers() & Qt::KeypadModifier) : std::nullopt;
    if (!cell) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    forward([this, cell] { screen_.lbl_Click(*cell); });
}

} // namespace crucirco
