#include "tools/scripted/scripted_platform.h"

#include <algorithm>

namespace crucirco::scripted {

double Random::draw()
{
    if (queue_.empty())
        throw ScriptError("random queue is empty");
    const double r = queue_.front();
    queue_.pop_front();
    return r;
}

void Boxes::inform(std::string_view title, std::string_view text)
{
    out_ << "box " << title << " | " << text << " | OK\n";
}

Answer Boxes::confirm(std::string_view title, std::string_view text)
{
    if (answers_.empty())
        throw ScriptError("no answer queued for the box \"" + std::string(text) + "\"");
    const Answer answer = answers_.front();
    answers_.pop_front();
    out_ << "box " << title << " | " << text << " | OK Cancel -> " << (answer == Answer::Ok ? "OK" : "Cancel")
         << '\n';
    return answer;
}

void Events::processPendingEvents()
{
    ++passes;
    if (onPass)
        onPass();
}

void WindowLog::windowLoaded(Form& form)
{
    out_ << "open " << windowName(form.id()) << '\n';
}

void WindowLog::windowUnloaded(Window window)
{
    out_ << "close " << windowName(window) << '\n';
}

std::optional<StoredValue> MemoryStore::read(KeyRoot root, std::u16string_view key, std::u16string_view name)
{
    const auto found = values.find({std::u16string(key), std::u16string(name)});
    if (root != kLocalMachine || found == values.end())
        return std::nullopt;
    return found->second;
}

bool Launcher::fileExists(std::u16string_view path)
{
    return std::find(files.begin(), files.end(), path) != files.end();
}

bool Launcher::start(std::u16string_view path)
{
    if (startFails)
        return false;
    started.emplace_back(path);
    return true;
}

} // namespace crucirco::scripted
