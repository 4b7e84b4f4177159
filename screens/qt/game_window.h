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
    // The button to the other game screen, Command1, stands on the top edge
    // of the client area.
    int command1Left;
    int command1Width;
    TwipRect label1;
    const char* command1Caption;
    const char* exitCaption;

    TwipRect command1() const { return {command1Left, 0, command1Width, 255}; }
};

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
// maker's address and the menu. It forwards every event to the screen, draws
// each change the screen tells it, and says it to a screen reader.
class GameWindow : public FormWindow<QMainWindow, GameView>
{
public:
    GameWindow(GameForm& screen, Navigator& navigator, HandlerGate& gate, const GameWindowLayout& layout);
    ~GameWindow() override;

    // Draws the board and the tallies as they stand.
    void refresh() override;
    void markPlaced(int cell, Mark mark) override;
    void boardCleared() override;
    void tallyRaised(Mark winner) override;
    void moveRefused(int cell, Mark occupant) override;
    void boardFilled() override;

protected:
    // Keys 1 to 9 play the cells: on the numeric keypad as it is laid out
    // (7 8 9 the top row), on the main keyboard in reading order (1 2 3).
    // The key 0, on either, has the board read out, and plays nothing.
    void keyPressEvent(QKeyEvent* event) override;
    // "Turno de la cruz", where the screen has turns to tell.
    virtual QString turnInWords() const { return {}; }

    QWidget* client() const { return client_; }
    QPushButton* cmdReiniciar() const { return cmdReiniciar_; }
    QPushButton* command1() const { return command1_; }

private:
    class Canvas;
    void buildMenu(const GameWindowLayout& layout);
    QString inWords() const;
    SpokenLabel* tallyOf(Mark side) const { return side == Mark::Circle ? lblO_ : lblX_; }

    GameForm& screen_;
    QWidget* client_;
    std::array<CellLabel*, 9> cells_{};
    SpokenLabel* lblX_;
    SpokenLabel* lblO_;
    Announcer* announcer_;
    QPushButton* cmdReiniciar_;
    QPushButton* command1_;
};

} // namespace crucirco
