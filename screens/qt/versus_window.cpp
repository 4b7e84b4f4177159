#include "screens/qt/versus_window.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

namespace crucirco {

namespace {

constexpr GameWindowLayout kLayout{
    375, 240, {1560, 0, 1695, 255}, {120, 3480, 4575, 375}, "Uno contra uno", "&Salir"};

struct OptionLayout
{
    const char* name;
    const char* caption;
    int top;
};
constexpr OptionLayout kOptions[4] = {
    {"Option1", "Dificultad baja", 1560},
    {"Option2", "Dificultad media", 1920},
    {"Option3", "Dificultad alta", 2280},
    {"Option4", "Dificultad máxima", 2640},
};

} // namespace

VersusWindow::VersusWindow(VersusForm& screen, Navigator& navigator, HandlerGate& gate)
    : GameWindow(screen, navigator, gate, kLayout)
    , screen_(screen)
{
    auto* group = new QButtonGroup(this);
    // To a screen reader the four options are one group, "Dificultad".
    auto* difficulties = new NamedGroup(QStringLiteral("Dificultad"), client());
    difficulties->move(Twips::point(120, kOptions[0].top));
    for (int i = 0; i < 4; ++i) {
        const OptionLayout& o = kOptions[i];
        auto* option = new QRadioButton(QString::fromUtf8(o.caption), difficulties);
        option->setObjectName(QString::fromLatin1(o.name));
        option->setGeometry(Twips::rect(120, o.top, 1575, 255).translated(-difficulties->pos()));
        group->addButton(option, i + 1);
        options_[static_cast<std::size_t>(i)] = option;
        const auto difficulty = static_cast<Difficulty>(i + 1);
        connect(option, &QRadioButton::clicked, this,
                [this, difficulty] { forward([this, difficulty] { screen_.Option_Click(difficulty); }); });
    }
    difficulties->adjustSize();
    check1_ = new QCheckBox(QStringLiteral("Empieza el usuario"), client());
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setGeometry(Twips::rect(120, 3000, 2175, 375));
    connect(check1_, &QCheckBox::clicked, this,
            [this](bool checked) { forward([this, checked] { screen_.Check1_Click(checked); }); });

    // Focus moves through the controls in the order the layout gives them.
    setTabOrder(cmdReiniciar(), options_[0]);
    setTabOrder(options_[0], options_[1]);
    setTabOrder(options_[1], options_[2]);
    setTabOrder(options_[2], command1());
    setTabOrder(command1(), check1_);
    setTabOrder(check1_, options_[3]);

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
    const auto selected = static_cast<std::size_t>(screen_.difficulty()) - 1;
    if (!options_[selected]->isChecked())
        options_[selected]->setChecked(true);
    // Tab stops at the selected option only, so that tabbing into the
    // difficulties lands on the one in force; the arrow keys move among them.
    for (std::size_t i = 0; i < options_.size(); ++i)
        options_[i]->setFocusPolicy(i == selected ? Qt::StrongFocus : Qt::ClickFocus);
    check1_->setChecked(screen_.userStarts());
    // A timer keeps its rhythm while it stays enabled.
    if (screen_.timerEnabled() && !timer1_->isActive())
        timer1_->start();
    else if (!screen_.timerEnabled())
        timer1_->stop();
}

} // namespace crucirco
