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

MemoryStore::Value MemoryStore::string(std::u16string_view text, bool withTerminator)
{
    Value value{kStringValue, std::vector<char16_t>(text.begin(), text.end()), 0};
    if (withTerminator)
        value.data.push_back(u'\0');
    value.sizeBytes = static_cast<std::uint32_t>(value.data.size() * sizeof(char16_t));
    return value;
}

MemoryStore::Value MemoryStore::number(std::uint32_t value)
{
    return Value{kNumber32Value,
                 {static_cast<char16_t>(value & 0xFFFF), static_cast<char16_t>(value >> 16)},
                 sizeof(std::uint32_t)};
}

void MemoryStore::put(std::u16string key, std::u16string name, Value value)
{
    keys_[std::move(key)].insert_or_assign(std::move(name), std::move(value));
}

std::optional<ConfigStore::Key> MemoryStore::openKey(KeyRoot root, std::u16string_view path)
{
    const bool refused = std::find(refused_.begin(), refused_.end(), path) != refused_.end();
    if (root != kLocalMachine || refused || keys_.find(path) == keys_.end())
        return std::nullopt;
    handles_.emplace_back(path);
    ++open_;
    return handles_.size();
}

bool MemoryStore::queryValue(Key key, std::u16string_view name, std::uint32_t& type, char16_t* buffer,
                             std::uint32_t& sizeBytes)
{
    if (key == 0 || key > handles_.size())
        return false;
    const auto& values = keys_.find(handles_[key - 1])->second;
    const auto found = values.find(name);
    if (found == values.end() || found->second.sizeBytes > sizeBytes)
        return false;
    const Value& value = found->second;
    std::copy(value.data.begin(), value.data.end(), buffer);
    type = value.type;
    sizeBytes = value.sizeBytes;
    return true;
}

void MemoryStore::closeKey(Key)
{
    --open_;
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
