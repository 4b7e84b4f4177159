#include "tools/replay/replay_session.h"

#include <algorithm>
#include <iomanip>
#include <istream>
#include <ostream>
#include <sstream>

#include "core/board_text.h"
#include "opponent/machine_opponent.h"
#include "screens/outcome_effects.h"

namespace crucirco::replay {

using scripted::ScriptError;

namespace {

// The words of a command joined by single blanks, as the transcript echoes it.
std::string joined(const Command& command)
{
    std::string text;
    for (const std::string& word : command) {
        if (!text.empty())
            text += ' ';
        text += word;
    }
    return text;
}

// Words are separated by any run of blanks; none is ever empty.
Command split(const std::string& line)
{
    std::istringstream words(line);
    Command command;
    for (std::string word; words >> word;)
        command.push_back(word);
    return command;
}

// A whole number of at most three digits, up to max.
unsigned parseCount(const std::string& text, unsigned max)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        throw ScriptError("not a number: " + text);
    const unsigned value = static_cast<unsigned>(std::stoul(text));
    if (value > max)
        throw ScriptError("out of range: " + text);
    return value;
}

// A flag is set from 0 or 1, like the game's own -1 and 0.
Flag16 parseFlag(const std::string& text)
{
    return toFlag(parseCount(text, 1) != 0);
}

int parseCell(const std::string& text)
{
    if (text.empty() || text.size() > 2 || text.find_first_not_of("0123456789") != std::string::npos
        || std::stoi(text) >= kCellCount)
        throw ScriptError("no cell " + text);
    return std::stoi(text);
}

// A plain decimal in [0, 1): digits with at most one point, no sign, no exponent.
double parseDraw(const std::string& text)
{
    const auto point = text.find('.');
    const bool shapeOk = !text.empty() && text != "."
                         && text.find_first_not_of("0123456789.") == std::string::npos
                         && (point == std::string::npos || text.find('.', point + 1) == std::string::npos);
    if (!shapeOk)
        throw ScriptError("not a random number: " + text);
    const double value = std::stod(text.front() == '.' ? "0" + text : text);
    if (value >= 1.0)
        throw ScriptError("random number out of range: " + text);
    return value;
}

int bit(Flag16 flag)
{
    return isTrue(flag) ? 1 : 0;
}

// NAME=VALUE settings from the given words on, each name given to
// `apply(name, value)`, which says whether it knows the name.
template<class Apply>
void applySettings(const Command& command, std::size_t from, Apply&& apply)
{
    if (command.size() <= from)
        throw ScriptError("nothing to set");
    for (std::size_t i = from; i < command.size(); ++i) {
        const auto equals = command[i].find('=');
        if (equals == std::string::npos)
            throw ScriptError("not NAME=VALUE: " + command[i]);
        if (!apply(command[i].substr(0, equals), command[i].substr(equals + 1)))
            throw ScriptError("no such field: " + command[i].substr(0, equals));
    }
}

// The versus-machine form's fields by their short names, shared by the lab
// and the screen.
bool setVersusField(VersusFields& fields, const std::string& name, const std::string& value)
{
    if (name == "over")
        fields.GameOver = parseFlag(value);
    else if (name == "nrf")
        fields.NoRandomFallback = parseFlag(value);
    else if (name == "plan")
        fields.PlannedCell = static_cast<std::uint8_t>(parseCount(value, 255));
    else if (name == "alt")
        fields.PlannedCellAlt = static_cast<std::uint8_t>(parseCount(value, 255));
    else if (name == "moves")
        fields.MoveCount = static_cast<std::uint8_t>(parseCount(value, 255));
    else
        return false;
    return true;
}

bool setTwoPlayerField(TwoPlayerFields& fields, const std::string& name, const std::string& value)
{
    if (name == "over")
        fields.GameOver = parseFlag(value);
    else if (name == "circle")
        fields.CircleTurn = parseFlag(value);
    else
        return false;
    return true;
}

std::string versusFieldsText(const VersusFields& f)
{
    std::ostringstream text;
    text << "over=" << bit(f.GameOver) << " nrf=" << bit(f.NoRandomFallback) << " plan=" << int(f.PlannedCell)
         << " alt=" << int(f.PlannedCellAlt) << " moves=" << int(f.MoveCount);
    return text.str();
}

std::string twoPlayerFieldsText(const TwoPlayerFields& f)
{
    return "over=" + std::to_string(bit(f.GameOver)) + " circle=" + std::to_string(bit(f.CircleTurn));
}

std::string boardAndTallies(const Board& board, const Tallies& tallies)
{
    return "board=" + boardText(board) + " x=" + tallies.cross.caption() + " o=" + tallies.circle.caption();
}

// The first word of a command that acts on a window names the window.
struct WindowWord
{
    std::string_view word;
    Window window;
};
constexpr WindowWord kWindowWords[] = {
    {"splash", Window::Splash}, {"main", Window::MainMenu}, {"vs", Window::VersusMachine},
    {"two", Window::TwoPlayer}, {"about", Window::About},
};

// In the table of commands, SCREEN stands for either game screen's word.
constexpr std::string_view kAnyScreen = "SCREEN";

Window windowOf(const std::string& word)
{
    for (const WindowWord& w : kWindowWords) {
        if (w.word == word)
            return w.window;
    }
    return Window::Splash; // not a window's word; the command acts on no window
}

// The machine's four moves, by the names `lab move` takes.
struct MoveName
{
    std::string_view name;
    MoveResult (MachineOpponent::*move)();
};
constexpr MoveName kMoves[] = {
    {"random", &MachineOpponent::MachineMoveRandom},
    {"medium", &MachineOpponent::MachineMoveMedium},
    {"high", &MachineOpponent::MachineMoveHigh},
    {"maximum", &MachineOpponent::MachineMoveMaximum},
};

} // namespace

// A command as it is run: all its words, where its arguments start, and the
// window its first word names, if any.
struct ReplaySession::Call
{
    const Command& words;
    std::size_t first;
    Window window;

    std::size_t argumentCount() const { return words.size() - first; }
    const std::string& argument(std::size_t i) const { return words[first + i]; }
};

// One command of the language. Before it runs, the session checks what it
// needs and, unless it takes a list, the number of its arguments; the
// command itself checks their values.
struct ReplaySession::CommandRow
{
    // What must be there before the command runs.
    enum class Needs {
        Nothing,
        LoadedWindow, // the window its first word names is loaded
        ShownWindow, // that window's form exists: it has been shown once
    };
    static constexpr int kList = -1; // any number of arguments, checked by the command

    std::string_view name; // its own one or two words; SCREEN stands for vs or two
    std::string_view arguments; // the words that follow, as --help shows them
    std::string_view help;
    int argumentCount;
    Needs needs;
    void (*run)(ReplaySession& session, const Call& call);

    std::size_t nameWords() const { return name.find(' ') == std::string_view::npos ? 1 : 2; }

    // Whether a script's word is the first of this command's name.
    bool startsWith(const std::string& word) const
    {
        const std::string_view first = name.substr(0, name.find(' '));
        return first == word || (first == kAnyScreen && (word == "vs" || word == "two"));
    }
    // Whether a script's command is this one: its first word, and its second
    // when the name has two.
    bool matches(const Command& command) const
    {
        if (!startsWith(command[0]))
            return false;
        return nameWords() == 1 || (command.size() >= 2 && name.substr(name.find(' ') + 1) == command[1]);
    }
};

// Every command of the language, in the order --help lists them.
std::span<const ReplaySession::CommandRow> ReplaySession::commands()
{
    using Needs = CommandRow::Needs;
    constexpr int kList = CommandRow::kList;
    static const CommandRow table[] = {
        // Queues: what chance and the user will say when asked.
        {"rand", "R [R ...]", "queue numbers in [0, 1) for the random move's draws", kList, Needs::Nothing,
         [](ReplaySession& s, const Call& c) {
             if (c.argumentCount() == 0)
                 throw ScriptError("rand needs numbers");
             for (std::size_t i = 0; i < c.argumentCount(); ++i)
                 s.random_.push(parseDraw(c.argument(i)));
         }},
        {"answer", "ok|cancel [...]", "queue answers for boxes with OK and Cancel", kList, Needs::Nothing,
         [](ReplaySession& s, const Call& c) {
             if (c.argumentCount() == 0)
                 throw ScriptError("answer needs ok or cancel");
             for (std::size_t i = 0; i < c.argumentCount(); ++i) {
                 const std::string& answer = c.argument(i);
                 if (answer != "ok" && answer != "cancel")
                     throw ScriptError("not an answer: " + answer);
                 s.boxes_.push(answer == "ok" ? Answer::Ok : Answer::Cancel);
             }
         }},
        {"during", "COMMAND", "run COMMAND at the random move's next pass through the event loop", kList,
         Needs::Nothing,
         [](ReplaySession& s, const Call& c) {
             // during queues commands that act; it never queues itself.
             if (c.argumentCount() == 0 || c.argument(0) == "during")
                 throw ScriptError("during needs a command other than during");
             s.during_.emplace_back(c.words.begin() + 1, c.words.end());
         }},

        // The lab: one versus-machine game state, without any window.
        {"lab board", "CELLS", "set the nine cells: X, O or . row by row, | between rows", 1, Needs::Nothing,
         [](ReplaySession& s, const Call& c) { s.lab_.board = parseBoard(c.argument(0)); }},
        {"lab set", "NAME=VALUE ...", "set fields: over, nrf (0 or 1); plan, alt, moves (0 to 255)", kList,
         Needs::Nothing,
         [](ReplaySession& s, const Call& c) {
             applySettings(c.words, c.first, [&](const std::string& name, const std::string& value) {
                 return setVersusField(s.lab_.fields, name, value);
             });
         }},
        {"lab move", "random|medium|high|maximum", "run that machine move alone, without the turn around it",
         1, Needs::Nothing, [](ReplaySession& s, const Call& c) { s.labMove(c.argument(0)); }},
        {"lab check", "", "run the outcome check; print its box, then outcome 1 or 0", 0, Needs::Nothing,
         [](ReplaySession& s, const Call&) { s.labCheck(); }},
        {"lab state", "", "print the lab's state line", 0, Needs::Nothing,
         [](ReplaySession& s, const Call&) {
             s.out_ << "lab " << boardAndTallies(s.lab_.board, s.lab_.tallies) << ' '
                    << versusFieldsText(s.lab_.fields) << '\n';
         }},

        // The shell's windows.
        {"start", "", "start the program: it shows the splash", 0, Needs::Nothing,
         [](ReplaySession& s, const Call&) { s.program_.start(); }},
        {"splash tick", "", "the splash's timer fires", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call&) { s.program_.form<SplashForm>()->Timer1_Timer(); }},
        {"splash key", "", "a character key pressed on the splash", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call&) { s.program_.form<SplashForm>()->Form_KeyPress(); }},
        {"main vs", "", "the main menu's \"Vs la máquina\"", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call&) { s.program_.form<MainMenuForm>()->cmdVsMaquina_Click(); }},
        {"main two", "", "the main menu's \"Uno contra uno\"", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call&) { s.program_.form<MainMenuForm>()->cmdUnoUno_Click(); }},
        {"main quit", "", "the main menu's \"Salir\"", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call&) { s.program_.form<MainMenuForm>()->Command1_Click(); }},
        {"about ok", "", "the About dialog's OK", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call&) { s.program_.form<AboutForm>()->cmdOK_Click(); }},

        // Either game screen, vs or two.
        {"SCREEN open", "", "show the screen, loading it when it is not loaded", 0, Needs::Nothing,
         [](ReplaySession& s, const Call& c) { s.program_.show(c.window); }},
        {"SCREEN close", "", "the title bar's close button", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) { s.program_.unload(c.window); }},
        {"SCREEN click", "N", "a click on cell N, 0 to 8 row by row", 1, Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) { s.screen(c.window).lbl_Click(parseCell(c.argument(0))); }},
        {"SCREEN again", "", "\"Jugar de nuevo\": button, menu or F2", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) { s.screen(c.window).cmdReiniciar_Click(); }},
        {"SCREEN other", "", "the button that opens the other game screen", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) { s.screen(c.window).Command1_Click(); }},
        {"SCREEN menu", "", "\"&Menú principal\" (F8)", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) { s.screen(c.window).mnuPPal_Click(); }},
        {"SCREEN exit", "", "\"&Salir\" (F4)", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) { s.screen(c.window).mnuEnd_Click(); }},
        {"SCREEN about", "", "\"Acerca...\" (F1)", 0, Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) { s.screen(c.window).mnuAbout_Click(); }},
        {"SCREEN board", "CELLS", "set the loaded screen's cells, as lab board", 1, Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) { s.screen(c.window).setBoard(parseBoard(c.argument(0))); }},
        {"SCREEN set", "NAME=VALUE ...", "set the screen's fields, loaded or not (two: over, circle)", kList,
         Needs::ShownWindow,
         [](ReplaySession& s, const Call& c) {
             applySettings(c.words, c.first, [&](const std::string& name, const std::string& value) {
                 if (c.window == Window::VersusMachine)
                     return setVersusField(s.program_.form<VersusForm>()->fields, name, value);
                 return setTwoPlayerField(s.program_.form<TwoPlayerForm>()->fields, name, value);
             });
         }},
        {"SCREEN state", "", "print the screen's state line", 0, Needs::Nothing,
         [](ReplaySession& s, const Call& c) { s.printState(c.window); }},

        // The versus-machine screen's own controls.
        {"vs tick", "", "the move timer fires: the machine's turn, if the timer is on", 0,
         Needs::LoadedWindow,
         [](ReplaySession& s, const Call&) { s.program_.form<VersusForm>()->Timer1_Timer(); }},
        {"vs level", "1|2|3|4", "choose \"Dificultad baja\", \"media\", \"alta\" or \"máxima\"", 1,
         Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) {
             const unsigned level = parseCount(c.argument(0), 4);
             if (level == 0)
                 throw ScriptError("no such level: 0");
             s.program_.form<VersusForm>()->Option_Click(static_cast<Difficulty>(level));
         }},
        {"vs userfirst", "on|off", "check or clear \"Empieza el usuario\"", 1, Needs::LoadedWindow,
         [](ReplaySession& s, const Call& c) {
             const std::string& state = c.argument(0);
             if (state != "on" && state != "off")
                 throw ScriptError("userfirst is on or off");
             s.program_.form<VersusForm>()->Check1_Click(state == "on");
         }},
    };
    return table;
}

// Each command as a script writes it, its help in a column after the longest.
void ReplaySession::writeCommands(std::ostream& out)
{
    const auto usage = [](const CommandRow& command) {
        std::string text(command.name);
        if (!command.arguments.empty())
            text += ' ' + std::string(command.arguments);
        return text;
    };
    std::size_t width = 0;
    for (const CommandRow& command : commands())
        width = std::max(width, usage(command).size());
    for (const CommandRow& command : commands()) {
        out << "  " << std::left << std::setw(static_cast<int>(width + 2)) << usage(command) << command.help
            << '\n';
    }
}

// The lab's random move lets the queued commands run like any other pass;
// only the end of the program stops it.
class ReplaySession::LabPass final : public EventPass
{
public:
    explicit LabPass(ReplaySession& session)
        : session_(session)
    {
    }
    PassResult letEventsRun() override
    {
        session_.events_.processPendingEvents();
        return session_.program_.ending() ? PassResult::Stop : PassResult::Continue;
    }

private:
    ReplaySession& session_;
};

ReplaySession::ReplaySession(std::ostream& out)
    : out_(out)
    , boxes_(out)
    , windows_(out)
    , program_(Program::Services{boxes_, events_, clock_, random_, store_, launcher_}, windows_)
{
    events_.onPass = [this] { runQueuedDuringPass(); };
}

ReplaySession::~ReplaySession() = default;

int ReplaySession::run(std::istream& script)
{
    for (std::string line; std::getline(script, line);) {
        const Command command = split(line);
        if (command.empty() || command.front().front() == '#')
            continue;
        out_ << "> " << joined(command) << '\n';
        try {
            execute(command);
        } catch (const std::exception& error) {
            // Whatever stops a command stops the script: the transcript ends
            // with the reason, and nothing after it depends on a guess.
            out_ << "error: " << error.what() << '\n';
            return 2;
        }
        if (programOver()) {
            out_ << "end\n";
            return 0;
        }
    }
    return 0;
}

// The program ends as it does for a user: at once on a confirmed exit, or
// once no window is left, but not before its first window was shown.
bool ReplaySession::programOver() const
{
    return program_.ending() || (program_.everShown() && !program_.anyLoaded());
}

// Each pass of the random move through the event loop runs what was queued
// before it, in order; a command queued meanwhile runs in the same pass.
void ReplaySession::runQueuedDuringPass()
{
    while (!during_.empty() && !program_.ending()) {
        const Command command = during_.front();
        during_.pop_front();
        out_ << ">> " << joined(command) << '\n';
        execute(command);
    }
}

void ReplaySession::execute(const Command& command)
{
    const auto all = commands();
    const auto row =
        std::find_if(all.begin(), all.end(), [&](const CommandRow& c) { return c.matches(command); });
    if (row == all.end()) {
        // The first word of commands of two words, alone: "lab", "vs".
        const bool opensGroup = std::any_of(all.begin(), all.end(), [&](const CommandRow& c) {
            return c.nameWords() == 2 && c.startsWith(command[0]);
        });
        if (command.size() == 1 && opensGroup)
            throw ScriptError(command[0] + " needs a command");
        throw ScriptError("no such command: " + joined(command));
    }
    const Call call{command, row->nameWords(), windowOf(command[0])};
    const Form* form = program_.existing(call.window);
    if (row->needs == CommandRow::Needs::LoadedWindow && !(form && form->loaded()))
        throw ScriptError(std::string(windowName(call.window)) + " is not loaded");
    if (row->needs == CommandRow::Needs::ShownWindow && !form)
        throw ScriptError(std::string(windowName(call.window)) + " has never been shown");
    if (row->argumentCount != CommandRow::kList
        && call.argumentCount() != static_cast<std::size_t>(row->argumentCount))
        throw ScriptError("wrong number of words in \"" + joined(command) + "\"");
    row->run(*this, call);
}

// A move of the lab runs alone, through the same pass as the screen's turn,
// so that commands queued with during run in it too.
void ReplaySession::labMove(const std::string& level)
{
    const auto move = std::find_if(std::begin(kMoves), std::end(kMoves),
                                   [&](const MoveName& m) { return m.name == level; });
    if (move == std::end(kMoves))
        throw ScriptError("no such move: " + level);
    LabPass pass(*this);
    MachineOpponent opponent(lab_.board, lab_.fields, random_, pass);
    (opponent.*(move->move))();
}

// The outcome check with its effects on the lab's tallies; its box is the
// one the screen would show.
void ReplaySession::labCheck()
{
    const bool won =
        announceOutcome(lab_.board, lab_.fields.GameOver, lab_.tallies, [&](std::string_view text) {
            boxes_.inform(texts::kAppTitle, text);
            return true;
        }).has_value();
    out_ << "outcome " << (won ? 1 : 0) << '\n';
}

// A game screen's state line: everything while its window is loaded, only
// its form-level fields once the window has gone, and `none` before it was
// ever shown.
void ReplaySession::printState(Window window) const
{
    const bool versus = window == Window::VersusMachine;
    const char* prefix = versus ? "vs" : "two";
    const Form* form = program_.existing(window);
    if (!form) {
        out_ << prefix << " none\n";
        return;
    }
    if (!form->loaded()) {
        const std::string fields = versus ? versusFieldsText(program_.form<VersusForm>()->fields)
                                          : twoPlayerFieldsText(program_.form<TwoPlayerForm>()->fields);
        out_ << prefix << " closed " << fields << '\n';
        return;
    }
    if (versus) {
        const VersusForm& vs = *program_.form<VersusForm>();
        out_ << "vs " << boardAndTallies(vs.board(), vs.tallies()) << ' ' << versusFieldsText(vs.fields)
             << " level=" << static_cast<int>(vs.difficulty()) << " userfirst=" << (vs.userStarts() ? 1 : 0)
             << " timer=" << (vs.timerEnabled() ? 1 : 0) << '\n';
        return;
    }
    const TwoPlayerForm& two = *program_.form<TwoPlayerForm>();
    out_ << "two " << boardAndTallies(two.board(), two.tallies()) << ' ' << twoPlayerFieldsText(two.fields)
         << '\n';
}

} // namespace crucirco::replay
