#include "replay/ReplayFile.h"

#include <charconv>
#include <vector>

namespace {

constexpr std::string_view FirstLine = "# Brimal replay, format ";
constexpr int Format = 1;
// Times beyond some thirty years of play are not ones the program wrote.
constexpr std::int64_t MaxTime = std::int64_t{1} << 40;

std::string OnOff(bool on) {
    return on ? "on" : "off";
}

// A counter as the game shows it; a game that never showed one shows zeros.
std::string CounterOr(const std::string& text, std::size_t width) {
    return text.empty() ? std::string(width, '0') : text;
}

// One line's words, apart by single blanks.
std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t start = 0;
    while (start <= line.size()) {
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

template <typename T> bool Number(std::string_view word, T& value) {
    // No sign but '-', no leading zeros to make two texts of one number.
    if (word.empty() || word.size() > 20 || word[0] == '+') return false;
    if (word.size() > 1 && (word[0] == '0' || (word[0] == '-' && word[1] == '0'))) return false;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    return error == std::errc() && end == word.data() + word.size();
}

bool OnOffWord(std::string_view word, bool& value) {
    if (word != "on" && word != "off") return false;
    value = word == "on";
    return true;
}

// A counter as the game shows it: digits only, at least its format's width.
bool CounterWord(std::string_view word, std::size_t width, std::string& value) {
    if (word.size() < width || word.size() > 18) return false;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
    }
    value = std::string(word);
    return true;
}

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    ParsedReplay Read() {
        std::string_view line;
        if (!Next(line) || line.substr(0, FirstLine.size()) != FirstLine)
            return Fault(ReplayFault::NotReplay);
        int format = 0;
        if (!Number(line.substr(FirstLine.size()), format) || format < 1)
            return Fault(ReplayFault::NotReplay);
        if (format > Format) {
            result_.Number = format;
            return Fault(ReplayFault::NewerFormat);
        }
        if (!Header()) return result_;
        return Events();
    }

private:
    bool Next(std::string_view& line) {
        if (position_ >= text_.size()) return false;
        const std::size_t end = std::min(text_.find('\n', position_), text_.size());
        // A text that stops within a line was cut off there.
        if (end == text_.size()) return false;
        line = text_.substr(position_, end - position_);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        position_ = end + 1;
        ++lineNumber_;
        return true;
    }

    ParsedReplay Fault(ReplayFault fault) {
        result_.Fault = fault;
        result_.Line = fault == ReplayFault::Damaged ? lineNumber_ : 0;
        return result_;
    }

    // The header line `key`, split into its words after the key.
    bool Field(std::string_view key, std::size_t count, std::vector<std::string_view>& words) {
        std::string_view line;
        if (!Next(line)) {
            Fault(ReplayFault::Truncated);
            return false;
        }
        words = Words(line);
        if (words.size() != count + 1 || words[0] != key) {
            Fault(ReplayFault::Damaged);
            return false;
        }
        words.erase(words.begin());
        return true;
    }

    bool Header() {
        TGameSettings& s = result_.Game.Settings;
        std::vector<std::string_view> w;
        if (!Field("program", 1, w)) return false;
        result_.Program = std::string(w[0]);
        int rules = 0;
        if (!Field("engine", 1, w)) return false;
        if (!Number(w[0], rules)) return Damaged();
        if (rules != EngineRulesVersion) {
            result_.Number = rules;
            Fault(ReplayFault::OtherRules);
            return false;
        }
        bool ok = Field("well", 2, w) && Number(w[0], s.WellWidth) && Number(w[1], s.WellHeight);
        ok = ok && Field("next", 1, w) && OnOffWord(w[0], s.ShowNext);
        if (ok && Field("colours", 1, w)) {
            ok = w[0] == "fixed" || w[0] == "free";
            s.FixedColors = w[0] == "fixed";
        } else {
            ok = false;
        }
        ok = ok && Field("fall", 2, w) && OnOffWord(w[0], s.PreFill) &&
             Number(w[1], s.PreFillPieces);
        ok = ok && Field("wait", 1, w) && Number(w[0], s.RowWait);
        ok = ok && Field("ratio", 8, w) && OnOffWord(w[0], s.RatioOn);
        for (int kind = 1; ok && kind <= 7; ++kind)
            ok = Number(w[static_cast<std::size_t>(kind)], s.Ratios[kind]);
        ok = ok && Field("sound", 1, w) && OnOffWord(w[0], s.SoundOn);
        ok = ok && Field("queue", 1, w) && Number(w[0], result_.Game.NextKind) &&
             result_.Game.NextKind >= 1 && result_.Game.NextKind <= 7;
        if (!ok && result_.Fault == ReplayFault::None) Fault(ReplayFault::Damaged);
        return ok;
    }

    bool Damaged() {
        Fault(ReplayFault::Damaged);
        return false;
    }

    ParsedReplay Events() {
        GameRecord& game = result_.Game;
        std::int64_t last = 0;
        std::string_view line;
        while (Next(line)) {
            const std::vector<std::string_view> w = Words(line);
            if (w[0] == "end") return End(w);
            if (w[0].size() != 1) return Fault(ReplayFault::Damaged);
            RecordedEvent event;
            event.Kind = static_cast<GameEvent>(w[0][0]);
            switch (event.Kind) {
            case GameEvent::Draw:
                if (w.size() != 3 || !Number(w[1], event.Range) || !Number(w[2], event.Value) ||
                    event.Range < 1 || event.Range > 100 || event.Value < 1 ||
                    event.Value > event.Range)
                    return Fault(ReplayFault::Damaged);
                break;
            case GameEvent::Action:
                if (w.size() != 3 || !Number(w[2], event.Value)) return Fault(ReplayFault::Damaged);
                [[fallthrough]];
            case GameEvent::Start:
            case GameEvent::Stop:
            case GameEvent::Pause:
            case GameEvent::Tick:
            case GameEvent::Activate:
            case GameEvent::Deactivate:
            case GameEvent::Paint:
                if (w.size() != (event.Kind == GameEvent::Action ? 3u : 2u) ||
                    !Number(w[1], event.At) || event.At < last || event.At > MaxTime)
                    return Fault(ReplayFault::Damaged);
                last = event.At;
                break;
            default:
                return Fault(ReplayFault::Damaged);
            }
            // A game starts with its start command.
            if (game.Events.empty() && event.Kind != GameEvent::Start)
                return Fault(ReplayFault::Damaged);
            game.Events.push_back(event);
        }
        return Fault(ReplayFault::Truncated);
    }

    ParsedReplay End(const std::vector<std::string_view>& w) {
        GameRecord& game = result_.Game;
        if (w.size() != 5 || !CounterWord(w[1], 5, game.Score) ||
            !CounterWord(w[2], 5, game.Pieces) || !CounterWord(w[3], 2, game.FourRowClears) ||
            !Number(w[4], game.Rows) || game.Rows < 0 || game.Events.empty())
            return Fault(ReplayFault::Damaged);
        game.Over = true;
        // Nothing follows the end but empty lines.
        std::string_view line;
        while (Next(line)) {
            if (!line.empty()) return Fault(ReplayFault::Damaged);
        }
        if (position_ < text_.size()) {
            ++lineNumber_;
            return Fault(ReplayFault::Damaged);
        }
        return result_;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    int lineNumber_ = 0;
    ParsedReplay result_;
};

} // namespace

std::string FormatReplay(const GameRecord& game, std::string_view program) {
    const TGameSettings& s = game.Settings;
    std::string text;
    text.reserve(64 + 12 * game.Events.size());
    auto line = [&text](const std::string& words) { text += words + '\n'; };
    line(std::string(FirstLine) + std::to_string(Format));
    line("program " + std::string(program));
    line("engine " + std::to_string(EngineRulesVersion));
    line("well " + std::to_string(s.WellWidth) + ' ' + std::to_string(s.WellHeight));
    line("next " + OnOff(s.ShowNext));
    line(std::string("colours ") + (s.FixedColors ? "fixed" : "free"));
    line("fall " + OnOff(s.PreFill) + ' ' + std::to_string(s.PreFillPieces));
    line("wait " + std::to_string(s.RowWait));
    std::string ratios = "ratio " + OnOff(s.RatioOn);
    for (int kind = 1; kind <= 7; ++kind)
        ratios += ' ' + std::to_string(s.Ratios[kind]);
    line(ratios);
    line("sound " + OnOff(s.SoundOn));
    line("queue " + std::to_string(game.NextKind));
    for (const RecordedEvent& event : game.Events) {
        text += static_cast<char>(event.Kind);
        if (event.Kind == GameEvent::Draw) {
            text += ' ' + std::to_string(event.Range) + ' ' + std::to_string(event.Value) + '\n';
            continue;
        }
        text += ' ' + std::to_string(event.At);
        if (event.Kind == GameEvent::Action) text += ' ' + std::to_string(event.Value);
        text += '\n';
    }
    line("end " + CounterOr(game.Score, 5) + ' ' + CounterOr(game.Pieces, 5) + ' ' +
         CounterOr(game.FourRowClears, 2) + ' ' + std::to_string(game.Rows));
    return text;
}

ParsedReplay ParseReplay(std::string_view text) {
    return Reader(text).Read();
}
