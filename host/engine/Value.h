// A setting's value with its kind. The kind is kept because the answer and the state file write
// each kind in its own form (a text in quotes, a name bare, a real always with "." or exponent).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace kiv::engine {

struct TextValue {
    std::string text;
};

struct NameValue {
    std::string word;
};

class Value {
public:
    Value() = default;
    static Value Bool(bool b) { return Value(Data(b)); }
    static Value Int(std::int64_t i) { return Value(Data(i)); }
    static Value Real(double r) { return Value(Data(r)); }
    static Value Text(std::string t) { return Value(Data(TextValue{std::move(t)})); }
    static Value Name(std::string w) { return Value(Data(NameValue{std::move(w)})); }

    // Reads the value part of a statement (already trimmed). On failure returns false and says why.
    static bool Parse(std::string_view text, Value& out, std::string& reason);

    // What a query answers: the value without quotes.
    std::string Answer() const;
    // How a state file writes it, so that Parse gives back exactly this value and kind.
    std::string Literal() const;

    // Same kind and same value; reals compare by their bits so that -0.0 and 0.0 differ.
    bool operator==(const Value& other) const;

private:
    using Data = std::variant<bool, std::int64_t, double, TextValue, NameValue>;
    explicit Value(Data data) : m_data(std::move(data)) {}
    Data m_data = false;
};

std::string FormatInt(std::int64_t value);

// Shortest text that reads back as the same double and always shows it is a real.
std::string FormatReal(double value);

}  // namespace kiv::engine
