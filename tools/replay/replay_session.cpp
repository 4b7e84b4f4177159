#include "tools/replay/replay_session.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "core/board_text.h"
#include "opponent/machine_opponent.h"
#include "screens/outcome_effects.h"

namespace crucirco::replay {

using scripted::ScriptError;

namespace {

std::string joined(const Command& command, std::size_t from = 0)
{
    std::string text;
    for (std::size_t i = from; i < command.size(); ++i) {
        if (i > from)
            text += ' ';
        text += command[i];
    }
    return text;
}

Command split(const std::string& line)
{
    std::istringstream words(line);
    Command command;
    for (std::string word; words >> word;)
        command.push_back(word);
    return command;
}

void expectWords(const Command& command, std::size_t count)
{
    if (command.size() != count)
        throw ScriptError("wrong number of words in \"" + joined(command) + "\"");
}

unsigned parseCount(const std::string& text, unsigned max)
{
    if (text.empty() || text.size() > 3 || text.find_first_not_of("0123456789") != std::string::npos)
        throw ScriptError("not a number: " + text);
    const unsigned value = static_cast<unsigned>(std::stoul(text));
    if (value > max)
        throw ScriptError("out of range: " + text);
    return value;
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

// NAME=VALUE settings, each name given by `apply(name, value)`.
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

bool setVersusField(VersusFields& fields, const std::string& name, const std::string& value)
{
    if (name == "over")
        fields.GameOver = toFlag(parseCount(value, 1) != 0);
    else if (name == "nrf")
        fields.NoRandomFallback = toFlag(parseCount(value, 1) != 0);
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

std::string versusFieldsText(const VersusFields& f)
{
    std::ostringstream text;
    text << "over=" << bit(f.GameOver) << " nrf=" << bit(f.NoRandomFallback) << " plan=" << int(f.PlannedCell)
         << " alt=" << int(f.PlannedCellAlt) << " moves=" << int(f.MoveCount);
    return text.str();
}

std::string boardAndTallies(const GameForm& screen)
{
    return "board=" + boardText(screen.board()) + " x=" + screen.tallies().cross.caption()
           + " o=" + screen.tallies().circle.caption();
}

} // namespace

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

bool ReplaySession::programOver() const
{
    return program_.ending() || (program_.everShown() && !program_.anyLoaded());
}

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
    const std::string& verb = command.front();
    if (verb == "rand") {
        if (command.size() < 2)
            throw ScriptError("rand needs numbers");
        for (std::size_t i = 1; i < command.size(); ++i)
            random_.push(parseDraw(command[i]));
    } else if (verb == "answer") {
        if (command.size() < 2)
            throw ScriptError("answer needs ok or cancel");
        for (std::size_t i = 1; i < command.size(); ++i) {
            if (command[i] != "ok" && command[i] != "cancel")
                throw ScriptError("not an answer: " + command[i]);
            boxes_.push(command[i] == "ok" ? Answer::Ok : Answer::Cancel);
        }
    } else if (verb == "during") {
        if (command.size() < 2 || command[1] == "during")
            throw ScriptError("during needs a command other than during");
        during_.emplace_back(command.begin() + 1, command.end());
    } else if (verb == "lab") {
        labCommand(command);
    } else if (verb == "vs") {
        versusCommand(command);
    } else if (verb == "two") {
        twoPlayerCommand(command);
    } else {
        shellCommand(command);
    }
}

void ReplaySession::labCommand(const Command& command)
{
    if (command.size() < 2)
        throw ScriptError("lab needs a command");
    const std::string& what = command[1];
    if (what == "board") {
        expectWords(command, 3);
        lab_.board = parseBoard(command[2]);
    } else if (what == "set") {
        applySettings(command, 2, [&](const std::string& name, const std::string& value) {
            return setVersusField(lab_.fields, name, value);
        });
    } else if (what == "move") {
        expectWords(command, 3);
        LabPass pass(*this);
        MachineOpponent opponent(lab_.board, lab_.fields, random_, pass);
        const std::string& level = command[2];
        if (level == "random")
            opponent.MachineMoveRandom();
        else if (level == "medium")
            opponent.MachineMoveMedium();
        else if (level == "high")
            opponent.MachineMoveHigh();
        else if (level == "maximum")
            opponent.MachineMoveMaximum();
        else
            throw ScriptError("no such move: " + level);
    } else if (what == "check") {
        expectWords(command, 2);
        const bool won =
            announceOutcome(lab_.board, lab_.fields.GameOver, lab_.tallies, [&](std::string_view text) {
                boxes_.inform(texts::kAppTitle, text);
                return true;
            }).has_value();
        out_ << "outcome " << (won ? 1 : 0) << '\n';
    } else if (what == "state") {
        expectWords(command, 2);
        out_ << "lab board=" << boardText(lab_.board) << " x=" << lab_.tallies.cross.caption()
             << " o=" << lab_.tallies.circle.caption() << ' ' << versusFieldsText(lab_.fields) << '\n';
    } else {
        throw ScriptError("no such lab command: " + what);
    }
}

void ReplaySession::printState(Window window) const
{
    const char* prefix = window == Window::VersusMachine ? "vs" : "two";
    const Form* form = program_.existing(window);
    if (!form) {
        out_ << prefix << " none\n";
        return;
    }
    std::string fields;
    if (window == Window::VersusMachine) {
        const VersusForm& vs = *program_.versus();
        fields = versusFieldsText(vs.fields);
        if (form->loaded()) {
            out_ << "vs " << boardAndTallies(vs) << ' ' << fields
                 << " level=" << static_cast<int>(vs.difficulty())
                 << " userfirst=" << (vs.userStarts() ? 1 : 0) << " timer=" << (vs.timerEnabled() ? 1 : 0)
                 << '\n';
            return;
        }
    } else {
        const TwoPlayerForm& two = *program_.twoPlayer();
        fields = "over=" + std::to_string(bit(two.fields.GameOver))
                 + " circle=" + std::to_string(bit(two.fields.CircleTurn));
        if (form->loaded()) {
            out_ << "two " << boardAndTallies(two) << ' ' << fields << '\n';
            return;
        }
    }
    out_ << prefix << " closed " << fields << '\n';
}

void ReplaySession::versusCommand(const Command& command)
{
    if (command.size() < 2)
        throw ScriptError("vs needs a command");
    const std::string& what = command[1];
    if (what == "tick" || what == "level" || what == "userfirst") {
        VersusForm* vs = program_.versus();
        if (!vs || !vs->loaded())
            throw ScriptError("frmVSMaquina is not loaded");
        if (what == "tick") {
            expectWords(command, 2);
            vs->Timer1_Timer();
        } else if (what == "level") {
            expectWords(command, 3);
            const unsigned level = parseCount(command[2], 4);
            if (level == 0)
                throw ScriptError("no such level: 0");
            vs->Option_Click(static_cast<Difficulty>(level));
        } else {
            expectWords(command, 3);
            if (command[2] != "on" && command[2] != "off")
                throw ScriptError("userfirst is on or off");
            vs->Check1_Click(command[2] == "on");
        }
        return;
    }
    windowCommand(Window::VersusMachine, command);
}

void ReplaySession::twoPlayerCommand(const Command& command)
{
    if (command.size() < 2)
        throw ScriptError("two needs a command");
    windowCommand(Window::TwoPlayer, command);
}

void ReplaySession::windowCommand(Window window, const Command& command)
{
    const std::string& what = command[1];
    if (what == "state") {
        expectWords(command, 2);
        printState(window);
        return;
    }
    if (what == "open") {
        expectWords(command, 2);
        program_.show(window);
        return;
    }
    if (what == "set") {
        if (!program_.existing(window))
            throw ScriptError(std::string(windowName(window)) + " has never been shown");
        applySettings(command, 2, [&](const std::string& name, const std::string& value) {
            if (window == Window::VersusMachine)
                return setVersusField(program_.versus()->fields, name, value);
            TwoPlayerFields& fields = program_.twoPlayer()->fields;
            if (name == "over")
                fields.GameOver = toFlag(parseCount(value, 1) != 0);
            else if (name == "circle")
                fields.CircleTurn = toFlag(parseCount(value, 1) != 0);
            else
                return false;
            return true;
        });
        return;
    }
    Form* form = program_.existing(window);
    if (!form || !form->loaded())
        throw ScriptError(std::string(windowName(window)) + " is not loaded");
    gameScreenCommand(static_cast<GameForm&>(*form), command);
}

void ReplaySession::gameScreenCommand(GameForm& screen, const Command& command)
{
    const std::string& what = command[1];
    if (what == "click") {
        expectWords(command, 3);
        screen.lbl_Click(parseCell(command[2]));
        return;
    }
    if (what == "board") {
        expectWords(command, 3);
        screen.setBoard(parseBoard(command[2]));
        return;
    }
    expectWords(command, 2);
    if (what == "close")
        program_.unload(screen.id());
    else if (what == "again")
        screen.cmdReiniciar_Click();
    else if (what == "other")
        screen.Command1_Click();
    else if (what == "menu")
        screen.mnuPPal_Click();
    else if (what == "exit")
        screen.mnuEnd_Click();
    else if (what == "about")
        screen.mnuAbout_Click();
    else
        throw ScriptError("no such command: " + joined(command));
}

void ReplaySession::shellCommand(const Command& command)
{
    const std::string& verb = command.front();
    if (verb == "start") {
        expectWords(command, 1);
        program_.start();
        return;
    }
    const auto need = [&](const Form* form, Window window) {
        if (!form || !form->loaded())
            throw ScriptError(std::string(windowName(window)) + " is not loaded");
    };
    expectWords(command, 2);
    const std::string& what = command[1];
    if (verb == "splash") {
        need(program_.splash(), Window::Splash);
        if (what == "tick")
            program_.splash()->Timer1_Timer();
        else if (what == "key")
            program_.splash()->Form_KeyPress();
        else
            throw ScriptError("no such command: " + joined(command));
    } else if (verb == "main") {
        need(program_.mainMenu(), Window::MainMenu);
        if (what == "vs")
            program_.mainMenu()->cmdVsMaquina_Click();
        else if (what == "two")
            program_.mainMenu()->cmdUnoUno_Click();
        else if (what == "quit")
            program_.mainMenu()->Command1_Click();
        else
            throw ScriptError("no such command: " + joined(command));
    } else if (verb == "about") {
        need(program_.about(), Window::About);
        if (what != "ok")
            throw ScriptError("no such command: " + joined(command));
        program_.about()->cmdOK_Click();
    } else {
        throw ScriptError("no such command: " + joined(command));
    }
}

} // namespace crucirco::replay
