#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <array>

#include "forms/qt/accessibility.h"
#include "forms/qt/form_window.h"
#include "screens/game_form.h"

class QAction;
class QPushButton;

namespace crucirco {

// Everything in which the two game windows' layouts differ, in twips. Both
// boards stand at the same place with the same grid (Line1 to Line4), and
// the same tally block, the headings "X" and "O" over the counts, stands at
// different heights.
struct GameWindowLayout
{
    int cell0Width;
    int tallyTop;
    TwipRect command1, label1;
    const char* command1Caption;
    const char* exitCaption;
};

// The cell a digit key plays, or -1.
int cellForKey(int key, bool keypad);

// A board cell: a label that reports a click on it, and to a screen reader a
// button named by its place and mark ("Fila 1, columna 2: cruz") whose press
// action plays it.
class CellLabel final : public SpokenLabel
{
    Q_OBJECT
public:
    CellLabel(int index, QWidget* parent);
};

// The window of a game screen: the board, the tallies, the two buttons, the
// maker's address and the menu. It forwards every event to the screen and
// shows the screen's state whenever asked.
class GameWindow : public FormWindow<QMainWindow>
{
public:
    GameWindow(GameForm& screen, Navigator& navigator, HandlerGate& gate, const GameWindowLayout& layout);
    ~GameWindow() override;

    void refresh() final;

protected:
    // Shows the controls a particular screen adds.
    virtual void showOwnControls() {}

    // Keys 1 to 9 play the cells: on the numeric keypad as it is laid out
    // (7 8 9 the top row), on the main keyboard in reading order (1 2 3).
    void keyPressEvent(QKeyEvent* event) override;

    QWidget* client() const { return client_; }
    QPushButton* cmdReiniciar() const { return cmdReiniciar_; }
    QPushButton* command1() const { return command1_; }

private:
    class Canvas;
    void buildMenu(const GameWindowLayout& layout);
    // Runs a new game's handler; a screen reader hears "Nueva partida" even
    // when the board was empty already.
    void newGame(void (*handler)(GameForm&));

    GameForm& screen_;
    QWidget* client_;
    std::array<CellLabel*, 9> cells_{};
    SpokenLabel* lblX_;
    SpokenLabel* lblO_;
    Announcer* announcer_;
    bool newGame_ = false;
    QPushButton* cmdReiniciar_;
    QPushButton* command1_;
};

} // namespace crucirco
