// Thousands of seeded random event sequences over the whole program, with
// events also injected while the random move lets the event loop run. After
// every event the game's invariants are checked. A failure names the seed
// of its sequence: CRUCIRCO_STORM_SEED=S CRUCIRCO_STORM_SEQUENCES=1 replays it.

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <stdexcept>

#include "core/outcome.h"
#include "screens/texts.h"
#include "tests/screens/program_rig.h"

namespace crucirco::testing {
namespace {

class StormFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The window an event needs loaded: the versus screen, the two-player one,
// either game screen, the main menu, the About dialog, or none.
enum class Needs { Vs, Two, Game, Main, About, None };
enum Act {
    VsClick,
    TwoClick,
    Tick,
    Again,
    Level,
    UserFirst,
    MenuCancel,
    MenuOk,
    ExitCancel,
    ExitOk,
    Other,
    Close,
    Open,
    MainVs,
    MainTwo,
    MainQuit,
    AboutOpen,
    AboutOk,
    SysInfo,
    SetBoard,
    SetMoves,
    kActs
};
struct Kind {
    const char* name;
    double weight;
    Needs needs;
};
constexpr Kind kKinds[kActs] = {
    {"click", 20, Needs::Vs},
    {"click", 12, Needs::Two},
    {"tick", 25, Needs::Vs},
    {"again", 5, Needs::Game},
    {"level", 4, Needs::Vs},
    {"userfirst", 3, Needs::Vs},
    {"menu (cancel)", 2, Needs::Game},
    {"menu (ok)", 2, Needs::Game},
    {"exit (cancel)", 1, Needs::Game},
    {"exit (ok)", 0.3, Needs::Game},
    {"other", 2, Needs::Game},
    {"close", 1, Needs::Game},
    {"open", 3, Needs::None},
    {"vs", 2, Needs::Main},
    {"two", 2, Needs::Main},
    {"quit", 1, Needs::Main},
    {"about", 1, Needs::Game},
    {"ok", 1, Needs::About},
    {"sysinfo", 0.5, Needs::About},
    {"board", 1, Needs::Game},
    {"set moves", 0.5, Needs::Vs},
};

struct ScreenView {
    bool loaded = false;
    Board board;
    unsigned long cross = 0, circle = 0;
};

unsigned long tallyValue(const Tally& tally)
{
    return tally.caption().empty() ? 0 : std::stoul(tally.caption());
}

int crosses(const Board& board)
{
    int n = 0;
    for (int cell = 0; cell < kCellCount; ++cell)
        n += board.holds(cell, Mark::Cross) ? 1 : 0;
    return n;
}

int occurrences(const std::string& text, std::string_view what)
{
    int n = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++n;
    return n;
}

class Storm {
public:
    explicit Storm(std::uint64_t seed)
        : rng_(seed)
    {
        rig_.events.onPass = [this] { onPass(); };
    }

    void run(int steps)
    {
        rig_.program.start();
        rig_.program.splash()->Timer1_Timer();
        log_ = "> start\n> splash tick\n";
        act(coin(0.5) ? MainVs : MainTwo, 0);
        for (int step = 0; step < steps && !rig_.program.ending() && rig_.program.anyLoaded(); ++step) {
            passes_ = 0;
            turnLeft_ = circleWonInTurn_ = false;
            bool done = false;
            for (int tries = 0; tries < 50 && !done; ++tries)
                done = act(static_cast<Act>(pick_(rng_)), 0);
            if (!done)
                act(Open, 0);
        }
        if (rig_.program.ending()) {
            expect(!rig_.program.anyLoaded(), "a window is still loaded after the end");
            const auto before = rig_.out.str().size();
            if (VersusScreen* vs = rig_.program.versus()) {
                vs->Timer1_Timer();
                vs->lbl_Click(0);
            }
            if (TwoPlayerScreen* two = rig_.program.twoPlayer())
                two->lbl_Click(0);
            expect(rig_.out.str().size() == before, "a handler ran after the end");
        }
    }

    const std::string& log() const { return log_; }

private:
    bool coin(double p) { return std::bernoulli_distribution(p)(rng_); }
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    void expect(bool ok, const std::string& what)
    {
        if (!ok)
            throw StormFailure(what);
    }
    bool loaded(Window w) const
    {
        const Form* form = rig_.program.existing(w);
        return form && form->loaded();
    }
    ScreenView view(Window w) const
    {
        if (!loaded(w))
            return {};
        const auto& screen = static_cast<const GameScreen&>(*rig_.program.existing(w));
        return {true, screen.board(), tallyValue(screen.tallies().cross), tallyValue(screen.tallies().circle)};
    }
    void remember()
    {
        vsView_ = view(Window::VersusMachine);
        twoView_ = view(Window::TwoPlayer);
        if (VersusScreen* vs = rig_.program.versus())
            moves_ = vs->fields.MoveCount;
        seen_ = rig_.out.str().size();
    }
    std::optional<Window> target(Needs needs)
    {
        const bool vs = loaded(Window::VersusMachine), two = loaded(Window::TwoPlayer);
        switch (needs) {
        case Needs::Vs:
            return vs ? std::optional(Window::VersusMachine) : std::nullopt;
        case Needs::Two:
            return two ? std::optional(Window::TwoPlayer) : std::nullopt;
        case Needs::Game:
            if (vs && two)
                return coin(0.5) ? Window::VersusMachine : Window::TwoPlayer;
            return vs ? std::optional(Window::VersusMachine) : two ? std::optional(Window::TwoPlayer) : std::nullopt;
        case Needs::Main:
            return loaded(Window::MainMenu) ? std::optional(Window::MainMenu) : std::nullopt;
        case Needs::About:
            return loaded(Window::About) ? std::optional(Window::About) : std::nullopt;
        case Needs::None:
            break;
        }
        return coin(0.5) ? Window::VersusMachine : Window::TwoPlayer;
    }

    // The random move's pass: a few more events, now and then.
    void onPass()
    {
        expect(++passes_ < 20000, "the random move keeps passing");
        if (depth_ == 1 && coin(0.5)) {
            for (int n = 1 + below(3); n > 0 && !rig_.program.ending(); --n) {
                for (int tries = 0; tries < 50; ++tries) {
                    const auto next = static_cast<Act>(pick_(rng_));
                    if ((next != ExitOk || coin(0.2)) && act(next, 1))
                        break;
                }
            }
        }
        if (rig_.random.pending() == 0) {
            // Now and then exactly on a rounding tie.
            const double r = coin(0.2) ? (below(8) + 0.5) / 8.0 : std::uniform_real_distribution<double>()(rng_);
            rig_.random.push(r);
            log_ += "    (draw " + std::to_string(r) + ")\n";
        }
    }

    // Causes the event if its window is there, then checks; false if it cannot happen now.
    bool act(Act what, int depth)
    {
        const std::optional<Window> on = target(kKinds[what].needs);
        if (!on)
            return false;
        auto* game = dynamic_cast<GameScreen*>(rig_.program.existing(*on));
        VersusScreen* vs = loaded(Window::VersusMachine) ? rig_.program.versus() : nullptr;
        if (depth == 0) {
            timerAtStart_ = vs && vs->timerEnabled();
            lineAtStart_ = vs && findWin(vs->board());
        }
        std::string note;
        const std::size_t logAt = log_.size(); // what runs inside comes after this line
        depth_ = depth + 1;
        switch (what) {
        case VsClick:
        case TwoClick: {
            // Mostly an empty cell, so that games run on to their ends.
            std::vector<int> empty;
            for (int cell = 0; cell < kCellCount; ++cell) {
                if (game->board().isEmpty(cell))
                    empty.push_back(cell);
            }
            const int cell = empty.empty() || coin(0.25) ? below(kCellCount)
                                                         : empty[static_cast<std::size_t>(below(int(empty.size())))];
            note = std::to_string(cell);
            game->lbl_Click(cell);
            break;
        }
        case Tick:
            vs->Timer1_Timer();
            break;
        case Again:
            game->cmdReiniciar_Click();
            break;
        case Level: {
            const int level = 1 + below(4);
            note = std::to_string(level);
            vs->Option_Click(static_cast<Difficulty>(level));
            break;
        }
        case UserFirst: {
            const bool on = coin(0.5);
            note = on ? "on" : "off";
            vs->Check1_Click(on);
            break;
        }
        case MenuCancel:
        case MenuOk:
            rig_.boxes.push(what == MenuOk ? Answer::Ok : Answer::Cancel);
            game->mnuPPal_Click();
            break;
        case ExitCancel:
        case ExitOk:
            rig_.boxes.push(what == ExitOk ? Answer::Ok : Answer::Cancel);
            game->mnuEnd_Click();
            break;
        case Other:
            game->Command1_Click();
            break;
        case Close:
            rig_.program.unload(*on);
            break;
        case Open:
            rig_.program.show(*on);
            break;
        case MainVs:
            rig_.program.mainMenu()->cmdVsMaquina_Click();
            break;
        case MainTwo:
            rig_.program.mainMenu()->cmdUnoUno_Click();
            break;
        case MainQuit:
            rig_.program.mainMenu()->Command1_Click();
            break;
        case AboutOpen:
            game->mnuAbout_Click();
            break;
        case AboutOk:
            rig_.program.about()->cmdOK_Click();
            break;
        case SysInfo:
            rig_.program.about()->cmdSysInfo_Click();
            break;
        case SetBoard: {
            // Any marks but a complete line: a line only ever comes with a win.
            Board board;
            const double filled = std::uniform_real_distribution<double>()(rng_);
            do {
                for (int cell = 0; cell < kCellCount; ++cell)
                    board.set(cell, coin(filled) ? (coin(0.5) ? Mark::Cross : Mark::Circle) : Mark::Empty);
            } while (findWin(board));
            note = textOf(board);
            game->setBoard(board);
            if (*on == Window::VersusMachine)
                vs->fields.MoveCount = static_cast<std::uint8_t>(board.markCount());
            break;
        }
        case SetMoves: {
            const int moves = std::max(vs->board().markCount(), 250 + below(6));
            note = std::to_string(moves);
            vs->fields.MoveCount = static_cast<std::uint8_t>(moves);
            break;
        }
        case kActs:
            break;
        }
        depth_ = depth;
        const std::string_view prefix = *on == Window::VersusMachine ? "vs "
            : *on == Window::TwoPlayer                               ? "two "
            : *on == Window::MainMenu                                ? "main "
                                                                     : "about ";
        log_.insert(logAt,
            std::string(depth ? "  >> " : "> ") + std::string(prefix) + kKinds[what].name
                + (note.empty() ? "" : " " + note) + '\n');
        check(what, *on, depth);
        return true;
    }

    void check(Act what, Window on, int depth)
    {
        const std::string said = rig_.out.str().substr(seen_);
        const ScreenView vsNow = view(Window::VersusMachine), twoNow = view(Window::TwoPlayer);
        const bool reset = what == Again || what == SetBoard;
        long crossRise = 0, circleRise = 0;
        const auto compare = [&](const ScreenView& before, const ScreenView& now, Window w, const char* name) {
            if (!now.loaded)
                return;
            const std::string where = std::string(name) + ": ";
            for (int cell = 0; cell < kCellCount; ++cell) {
                const auto mark = static_cast<int>(now.board.at(cell));
                expect(mark >= 0 && mark <= 2, where + "a cell holds no mark at all");
            }
            if (!before.loaded) {
                expect(now.board.markCount() == 0 && now.cross == 0 && now.circle == 0,
                    where + "a freshly loaded screen is not empty");
                return;
            }
            for (int cell = 0; cell < kCellCount && !(reset && on == w); ++cell) {
                if (!before.board.isEmpty(cell))
                    expect(now.board.at(cell) == before.board.at(cell), where + "a mark was overwritten");
            }
            expect(now.cross >= before.cross && now.circle >= before.circle, where + "a tally fell");
            crossRise += static_cast<long>(now.cross - before.cross);
            circleRise += static_cast<long>(now.circle - before.circle);
        };
        compare(vsView_, vsNow, Window::VersusMachine, "vs");
        compare(twoView_, twoNow, Window::TwoPlayer, "two");
        expect(crossRise == occurrences(said, texts::kCrossWins), "cross tallies do not match the win boxes");
        expect(circleRise == occurrences(said, texts::kCircleWins), "circle tallies do not match the win boxes");

        if (const VersusScreen* vs = rig_.program.versus()) {
            const int moves = vs->fields.MoveCount;
            const bool vsReset = reset && on == Window::VersusMachine;
            const bool kept = vsView_.loaded && vsNow.loaded && !vsReset;
            const int newCrosses = kept ? crosses(vsNow.board) - crosses(vsView_.board) : 0;
            if (vsNow.loaded)
                expect(moves >= vsNow.board.markCount(), "MoveCount is below the marks on the board");
            if (what == Again && on == Window::VersusMachine) {
                expect(moves == 0, "a new game kept its MoveCount");
            } else if (what != SetMoves && !vsReset) {
                expect(moves >= moves_, "MoveCount went down (wrapped?)");
                const int most = (what == VsClick || (what == Tick && depth == 0)) ? 1 : 0;
                expect(moves - moves_ <= most, "MoveCount rose by more than the event allows");
            }
            if (what == Tick && depth == 0) {
                if (!timerAtStart_ || turnLeft_ || circleWonInTurn_ || lineAtStart_)
                    expect(newCrosses == 0 && moves == moves_,
                        "a machine turn played with the timer off, on a won "
                        "board, after its window went or the circle's win");
                else
                    expect(newCrosses <= 1 && moves == std::min(moves_ + 1, 255) && !vs->timerEnabled(),
                        "a machine turn did not place at most one cross, count once and stop the timer");
            } else if (what != SetBoard) {
                expect(newCrosses == 0, "a cross appeared outside a machine turn");
            }
            if (depth > 0) {
                turnLeft_ = turnLeft_ || (vsView_.loaded && !vsNow.loaded) || rig_.program.ending();
                circleWonInTurn_ = circleWonInTurn_ || (what == VsClick && kept && vsNow.circle > vsView_.circle);
            }
        }
        if (what == TwoClick && twoView_.loaded) {
            expect(twoNow.board.markCount() - twoView_.board.markCount() <= 1, "two: more than one mark placed");
            for (int cell = 0; cell < kCellCount; ++cell) {
                if (twoView_.board.isEmpty(cell) && !twoNow.board.isEmpty(cell)) {
                    expect(twoNow.board.at(cell) != lastTwoMark_, "two: the same mark twice in a row");
                    lastTwoMark_ = twoNow.board.at(cell);
                }
            }
        }
        if (what == ExitOk)
            expect(rig_.program.ending() && occurrences(said, "box Visite... | ") == 1 && said.ends_with("ended\n"),
                "a confirmed exit did not end the program after the Visite box");
        remember();
    }

    ProgramRig rig_;
    std::mt19937_64 rng_;
    std::discrete_distribution<int> pick_ {kActs, 0.0, double(kActs), [](double x) { return kKinds[int(x)].weight; }};
    std::string log_;
    ScreenView vsView_, twoView_;
    int moves_ = 0;
    std::size_t seen_ = 0;
    int depth_ = 0;
    int passes_ = 0;
    bool timerAtStart_ = false, lineAtStart_ = false, turnLeft_ = false, circleWonInTurn_ = false;
    Mark lastTwoMark_ = Mark::Circle; // the first mark of the screen is the cross
};

std::uint64_t fromEnvironment(const char* name, std::uint64_t fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

TEST(ScreenStorm, InvariantsHoldOverRandomEventSequences)
{
    const std::uint64_t base = fromEnvironment("CRUCIRCO_STORM_SEED", 20240611);
    const std::uint64_t sequences = fromEnvironment("CRUCIRCO_STORM_SEQUENCES", 3000);
    for (std::uint64_t i = 0; i < sequences; ++i) {
        const std::uint64_t seed = base + i;
        Storm storm(seed);
        try {
            storm.run(60);
        } catch (const std::exception& error) {
            FAIL() << error.what() << "\nsequence seed " << seed << " (rerun with CRUCIRCO_STORM_SEED=" << seed
                   << " CRUCIRCO_STORM_SEQUENCES=1)\nevents:\n"
                   << storm.log();
        }
    }
}

} // namespace
} // namespace crucirco::testing
