#include "comkit/RegistryScript.h"

#include <cwctype>
#include <stdexcept>

namespace comkit {

namespace {

struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

bool SameWord(const std::wstring& a, const wchar_t* b) { return _wcsicmp(a.c_str(), b) == 0; }

class Parser {
public:
    Parser(const std::wstring& text, const ScriptVariables& variables) : text_(text), variables_(variables) {}

    RegistryScript Parse() {
        RegistryScript script;
        while (Peek()) {
            const Token root = Next();
            if (root.kind != Token::Word || !(SameWord(root.text, L"HKCR") || SameWord(root.text, L"HKEY_CLASSES_ROOT")))
                Fail("only HKCR may be written");
            Expect(Token::Open);
            ParseBody(script.keys, false);
        }
        return script;
    }

private:
    struct Token {
        enum Kind { End, Open, Close, Equals, Word, Quoted } kind = End;
        std::wstring text;
    };

    [[noreturn]] void Fail(const char* what) {
        throw ScriptError(std::string(what) + " (line " + std::to_string(line_) + ")");
    }

    void SkipSpace() {
        while (pos_ < text_.size() && std::iswspace(text_[pos_])) {
            if (text_[pos_] == L'\n') ++line_;
            ++pos_;
        }
    }

    bool Peek() {
        SkipSpace();
        return pos_ < text_.size();
    }

    Token Next() {
        SkipSpace();
        Token token;
        if (pos_ >= text_.size()) return token;
        const wchar_t c = text_[pos_];
        const bool spaceAfter = pos_ + 1 >= text_.size() || std::iswspace(text_[pos_ + 1]);
        if (c == L'}') {
            ++pos_;
            token.kind = Token::Close;
        } else if (c == L'{' && spaceAfter) {
            ++pos_;
            token.kind = Token::Open;
        } else if (c == L'=') {
            ++pos_;
            token.kind = Token::Equals;
        } else if (c == L'\'') {
            token.kind = Token::Quoted;
            token.text = ReadQuoted();
        } else {
            // A bare word; a braced class identifier such as {805C...} is one too.
            token.kind = Token::Word;
            const size_t start = pos_;
            const bool braced = c == L'{';
            while (pos_ < text_.size() && !std::iswspace(text_[pos_]) && text_[pos_] != L'=' && text_[pos_] != L'\'' &&
                   !(text_[pos_] == L'}' && !braced))
                ++pos_;
            token.text = text_.substr(start, pos_ - start);
        }
        if (token.kind == Token::Word || token.kind == Token::Quoted) token.text = Substitute(token.text);
        return token;
    }

    std::wstring ReadQuoted() {
        std::wstring result;
        ++pos_;
        for (;;) {
            if (pos_ >= text_.size()) Fail("unterminated string");
            const wchar_t c = text_[pos_++];
            if (c == L'\'') {
                if (pos_ < text_.size() && text_[pos_] == L'\'') {
                    result += L'\'';
                    ++pos_;
                    continue;
                }
                return result;
            }
            if (c == L'\n') ++line_;
            result += c;
        }
    }

    std::wstring Substitute(const std::wstring& raw) {
        std::wstring result;
        for (size_t i = 0; i < raw.size(); ++i) {
            if (raw[i] != L'%') {
                result += raw[i];
                continue;
            }
            const size_t close = raw.find(L'%', i + 1);
            if (close == std::wstring::npos) Fail("unterminated variable");
            const std::wstring name = raw.substr(i + 1, close - i - 1);
            if (name.empty()) {
                result += L'%';
            } else {
                const auto found = variables_.find(name);
                if (found == variables_.end()) Fail("unknown variable");
                result += found->second;
            }
            i = close;
        }
        return result;
    }

    void Expect(Token::Kind kind) {
        if (Next().kind != kind) Fail("unexpected token");
    }

    ScriptValue ParseValue() {
        const Token type = Next();
        const Token value = Next();
        if (type.kind != Token::Word || (value.kind != Token::Quoted && value.kind != Token::Word)) Fail("bad value");
        ScriptValue result;
        if (SameWord(type.text, L"s")) {
            result.type = ScriptValue::Type::String;
            result.text = value.text;
        } else if (SameWord(type.text, L"d")) {
            result.type = ScriptValue::Type::Dword;
            wchar_t* end = nullptr;
            result.number = wcstoul(value.text.c_str(), &end, 0);
            if (value.text.empty() || *end) Fail("bad number");
        } else {
            Fail("unknown value type");
        }
        return result;
    }

    // Reads entries up to the closing brace of the current block.
    void ParseBody(std::vector<ScriptKey>& keys, bool allowValues, std::vector<std::pair<std::wstring, ScriptValue>>* values = nullptr) {
        for (;;) {
            Token token = Next();
            if (token.kind == Token::Close) return;
            if (token.kind == Token::End) Fail("missing closing brace");
            if (token.kind != Token::Word && token.kind != Token::Quoted) Fail("unexpected token");
            if (token.kind == Token::Word && SameWord(token.text, L"val")) {
                if (!allowValues) Fail("value outside a key");
                const Token name = Next();
                if (name.kind != Token::Word && name.kind != Token::Quoted) Fail("bad value name");
                Expect(Token::Equals);
                values->emplace_back(name.text, ParseValue());
                continue;
            }
            ScriptKey key;
            if (token.kind == Token::Word && SameWord(token.text, L"NoRemove")) {
                key.flag = ScriptKey::Flag::NoRemove;
                token = Next();
            } else if (token.kind == Token::Word && SameWord(token.text, L"ForceRemove")) {
                key.flag = ScriptKey::Flag::ForceRemove;
                token = Next();
            } else if (token.kind == Token::Word && SameWord(token.text, L"Delete")) {
                key.flag = ScriptKey::Flag::Delete;
                token = Next();
            }
            if ((token.kind != Token::Word && token.kind != Token::Quoted) || token.text.empty()) Fail("bad key name");
            key.name = token.text;
            if (key.flag != ScriptKey::Flag::Delete) ParseKeyTail(key);
            keys.push_back(std::move(key));
        }
    }

    // After a key's name: an optional "= type value", then an optional block.
    void ParseKeyTail(ScriptKey& key) {
        const size_t mark = pos_;
        const int markLine = line_;
        Token token = Next();
        if (token.kind == Token::Equals) {
            key.defaultValue = ParseValue();
            const size_t afterValue = pos_;
            const int afterLine = line_;
            token = Next();
            if (token.kind != Token::Open) {
                pos_ = afterValue;
                line_ = afterLine;
                return;
            }
        }
        if (token.kind == Token::Open) {
            ParseBody(key.subkeys, true, &key.values);
            return;
        }
        pos_ = mark;
        line_ = markLine;
    }

    const std::wstring& text_;
    const ScriptVariables& variables_;
    size_t pos_ = 0;
    int line_ = 1;
};

}  // namespace

std::optional<RegistryScript> ParseRegistryScript(const std::wstring& text, const ScriptVariables& variables,
                                                  std::wstring* error) {
    try {
        return Parser(text, variables).Parse();
    } catch (const ScriptError& e) {
        if (error) {
            const std::string what = e.what();
            *error = std::wstring(what.begin(), what.end());
        }
        return std::nullopt;
    }
}

}  // namespace comkit
