#include "screens/qt/versus_window.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace crucirco {

namespace {

constexpr GameWindowLayout kLayout{
    .cell0Width = 375,
    .tallyTop = 240,
    .command1Left = 1560,
    .command1Width = 1695,
    .label1 = {.left = 120, .top = 3480, .width = 4575, .height = 375},
    .command1Caption = "Uno contra uno",
    .exitCaption = "&Salir",
};

struct OptionLayout
{
    Difficulty difficulty;
    const char* name;
    const char* caption;
    int top;
};
constexpr OptionLayout kOptions[4] = {
    {.difficulty = Difficulty::Low, .name = "Option1", .caption = "Dificultad baja", .top = 1560},
    {.difficulty = Difficulty::Medium, .name = "Option2", .caption = "Dificultad media", .top = 1920},
    {.difficulty = Difficulty::High, .name = "Option3", .caption = "Dificultad alta", .top = 2280},
    {.difficulty = Difficulty::Maximum, .name = "Option4", .caption = "Dificultad máxima", .top = 2640},
};

} // namespace

VersusWindow::VersusWindow(VersusForm& screen, Navigator& navigator, HandlerGate& gate)
    : GameWindow(screen, navigator, gate, kLayout)
    , screen_(screen)
{
    // To a screen reader the four options are one group, "Dificultad"; as
    // the only options in it, they exclude one another. Qt sizes the group
    // to hold them as it is first shown.
    auto* difficulties = new NamedGroup(QStringLiteral("Dificultad"), client());
    difficulties->move(Twips::point(120, kOptions[0].top));
    for (const OptionLayout& o : kOptions) {
        auto* button = new QRadioButton(QString::fromUtf8(o.caption), difficulties);
        button->setObjectName(QString::fromLatin1(o.name));
        button->setGeometry(Twips::rect(120, o.top, 1575, 255).translated(-difficulties->pos()));
        option(o.difficulty) = button;
        const Difficulty difficulty = o.difficulty;
        connect(button, &QRadioButton::clicked, this,
                [this, difficulty] { forward([this, difficulty] { screen_.Option_Click(difficulty); }); });
    }
    check1_ = new QCheckBox(QStringLiteral("Empieza el usuario"), client());
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setGeometry(Twips::rect(120, 3000, 2175, 375));
    connect(check1_, &QCheckBox::clicked, this,
            [this](bool checked) { forward([this, checked] { screen_.Check1_Click(checked); }); });

    // Focus moves through the controls in the order the layout gives them:
    // from "Jugar de nuevo" to the first three difficulties, the other
    // button, "Empieza el usuario" and "Dificultad máxima" last. The game
    // window made both buttons before the difficulties, so two moves give
    // that order.
    setTabOrder(option(Difficulty::High), command1());
    setTabOrder(command1(), check1_);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kMoveDelayMs);
    timer1_->setTimerType(Qt::PreciseTimer); // the reply comes 100 ms after the click, not 95
    connect(timer1_, &QTimer::timeout, this, [this] { forward([this] { screen_.Timer1_Timer(); }); });
    showOwnControls();
}

void VersusWindow::refresh()
{
    GameWindow::refresh();
    showOwnControls();
}

void VersusWindow::showOwnControls()
{
    QRadioButton* selected = option(screen_.difficulty());
    if (!selected->isChecked())
        selected->setChecked(true);
    // Tab stops at the selected option only, so that tabbing into the
    // difficulties lands on the one in force; the arrow keys move among them.
    for (QRadioButton* button : options_)
        button->setFocusPolicy(button == selected ? Qt::StrongFocus : Qt::ClickFocus);
    check1_->setChecked(screen_.userStarts());
    // A timer keeps its rhythm while it stays enabled.
    if (screen_.timerEnabled() && !timer1_->isActive())
        timer1_->start();
    else if (!screen_.timerEnabled())
        timer1_->stop();
}

} // namespace crucirco
