// The hammer file, read with nlohmann/json after a scan of its own for what the parser would stop at
// without naming the field: a bare NaN or Infinity, and a field given twice.
#include "engine/driver/hammer_file.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <nlohmann/json.hpp>
#include <set>
#include <vector>

#include "engine/model/input_error.h"
#include "engine/model/number_text.h"
#include "engine/model/text_encoding.h"

namespace torve {

namespace {

using nlohmann::json;

std::size_t line_at(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    std::size_t line = 1;
    for (std::size_t i = 0; i < offset; ++i)
        if (text[i] == '\n') ++line;
    return line;
}

class HammerText {
  public:
    HammerText(std::string_view text, const std::string& file) : text_(text), file_(file) {}

    [[noreturn]] void refuse(const std::string& what, std::size_t line) const {
        std::string where = "The hammer file " + quoted_text(file_);
        if (line > 0) where += ", line " + std::to_string(line);
        throw InputError(where + ": " + what, {file_, {}, line});
    }

    // The line where a field's key first stands, for messages about its value.
    std::size_t line_of(const std::string& path) const {
        for (const auto& [p, line] : key_lines_)
            if (p == path) return line;
        return 0;
    }

    // Walks the text as JSON's tokens go, keeping the path of keys to where it is.
    void scan() {
        struct Frame {
            bool object;
            std::string key;
            std::set<std::string> keys;
            bool expect_key;
        };
        std::vector<Frame> frames;
        auto path = [&](const std::string& last) {
            std::string p;
            for (const Frame& f : frames)
                if (f.object && !f.key.empty() && &f != &frames.back()) p += f.key + ".";
            return p + last;
        };
        auto field_here = [&] {
            return !frames.empty() && frames.back().object ? path(frames.back().key) : std::string("(top)");
        };
        std::size_t i = 0;
        while (i < text_.size()) {
            const char c = text_[i];
            if (c == '"') {
                std::string s;
                std::size_t j = i + 1;
                for (; j < text_.size() && text_[j] != '"'; ++j) {
                    if (text_[j] == '\\')
                        ++j;
                    else
                        s += text_[j];
                }
                if (!frames.empty() && frames.back().object && frames.back().expect_key) {
                    Frame& f = frames.back();
                    const std::string full = path(s);
                    if (!f.keys.insert(s).second)
                        refuse("the field " + quoted_text(full) + " is given twice.", line_at(text_, i));
                    f.key = s;
                    f.expect_key = false;
                    key_lines_.emplace_back(full, line_at(text_, i));
                }
                i = j + 1;
                continue;
            }
            if (c == '{' || c == '[') {
                frames.push_back({c == '{', {}, {}, c == '{'});
            } else if (c == '}' || c == ']') {
                if (!frames.empty()) frames.pop_back();
            } else if (c == ',') {
                if (!frames.empty() && frames.back().object) frames.back().expect_key = true;
            } else if (number_start(i)) {
                std::size_t k = i;
                while (k < text_.size() &&
                       (std::isdigit(static_cast<unsigned char>(text_[k])) ||
                        std::string_view(".eE+-").find(text_[k]) != std::string_view::npos))
                    ++k;
                // A number too large for a double would stop the parser without the field's name.
                double x = 0;
                const char* first = text_.data() + i + (text_[i] == '+' ? 1 : 0);
                const std::string_view number(first, static_cast<std::size_t>(text_.data() + k - first));
                const bool tiny = number.find("e-") != std::string_view::npos ||
                                  number.find("E-") != std::string_view::npos;
                if (std::from_chars(number.data(), number.data() + number.size(), x).ec ==
                        std::errc::result_out_of_range &&
                    !tiny)
                    refuse("the field " + quoted_text(field_here()) + " is not a finite number.",
                           line_at(text_, i));
                i = k;
                continue;
            } else if (std::isalpha(static_cast<unsigned char>(c)) || c == '-' || c == '+') {
                std::size_t j = i;
                if (c == '-' || c == '+') ++j;
                std::size_t k = j;
                while (k < text_.size() &&
                       (std::isalnum(static_cast<unsigned char>(text_[k])) || text_[k] == '_'))
                    ++k;
                const std::string word(text_.substr(j, k - j));
                const bool literal = word == "true" || word == "false" || word == "null";
                if (!word.empty() && std::isalpha(static_cast<unsigned char>(word[0])) && !literal) {
                    refuse("the field " + quoted_text(field_here()) + " is " +
                               quoted_text(std::string(text_.substr(i, k - i))) + ", not a finite number.",
                           line_at(text_, i));
                }
                i = std::max(k, i + 1);
                continue;
            }
            ++i;
        }
    }

  private:
    bool number_start(std::size_t i) const {
        auto digit = [&](std::size_t k) {
            return k < text_.size() &&
                   (std::isdigit(static_cast<unsigned char>(text_[k])) || text_[k] == '.');
        };
        return digit(i) || ((text_[i] == '-' || text_[i] == '+') && digit(i + 1));
    }

    std::string_view text_;
    std::string file_;
    std::vector<std::pair<std::string, std::size_t>> key_lines_;
};

class HammerFields {
  public:
    HammerFields(const HammerText& text, const json& object, std::string prefix)
        : text_(text), object_(object), prefix_(std::move(prefix)) {}

    std::string name(const std::string& key) const { return quoted_text(prefix_ + key); }
    bool has(const std::string& key) const { return object_.contains(key); }
    bool is_null(const std::string& key) const { return object_.contains(key) && object_.at(key).is_null(); }

    [[noreturn]] void refuse(const std::string& key, const std::string& what) const {
        const std::size_t line = text_.line_of(prefix_ + key);
        text_.refuse("the field " + name(key) + " " + what, line);
    }

    void only(std::initializer_list<const char*> known) const {
        for (auto it = object_.begin(); it != object_.end(); ++it) {
            bool found = false;
            for (const char* k : known) found = found || it.key() == k;
            if (!found) refuse(it.key(), "is not a field of a hammer.");
        }
    }

    // The number under `key`: present, a number and finite.
    double number(const std::string& key) const {
        if (!has(key)) text_.refuse("the field " + name(key) + " is missing.", 0);
        const json& v = object_.at(key);
        if (!v.is_number()) refuse(key, "is " + kind(v) + ", not a number.");
        const double x = v.get<double>();
        if (!std::isfinite(x)) refuse(key, "is not a finite number.");
        return x;
    }

    double positive(const std::string& key) const {
        const double x = number(key);
        if (!(x > 0)) refuse(key, "is " + shortest_text(x) + "; it must be above 0.");
        return x;
    }

    double fraction(const std::string& key) const {
        const double x = number(key);
        if (!(x > 0 && x <= 1)) refuse(key, "is " + shortest_text(x) + "; it must be above 0 and at most 1.");
        return x;
    }

    const json& object(const std::string& key) const {
        const json& v = object_.at(key);
        if (!v.is_object()) refuse(key, "is " + kind(v) + ", not an object or null.");
        return v;
    }

    static std::string kind(const json& v) {
        if (v.is_string()) return "the text " + quoted_text(v.get<std::string>());
        if (v.is_boolean()) return v.get<bool>() ? "true" : "false";
        if (v.is_null()) return "null";
        if (v.is_array()) return "a list";
        if (v.is_object()) return "an object";
        return "a number";
    }

  private:
    const HammerText& text_;
    const json& object_;
    std::string prefix_;
};

std::optional<Cushion> cushion(const HammerText& text, const HammerFields& hammer, const std::string& key) {
    if (!hammer.has(key) || hammer.is_null(key)) return std::nullopt;
    const HammerFields f(text, hammer.object(key), key + ".");
    f.only({"area_m2", "thickness_m", "modulus_mpa", "cor"});
    Cushion c;
    c.area_m2 = f.positive("area_m2");
    c.thickness_m = f.positive("thickness_m");
    c.modulus_mpa = f.positive("modulus_mpa");
    if (f.has("cor")) c.cor = f.fraction("cor");
    return c;
}

}  // namespace

Hammer parse_hammer(std::string_view text, const std::string& file_name) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    HammerText scanned(text, file_name);
    scanned.scan();
    json document;
    try {
        document = json::parse(text.begin(), text.end());
    } catch (const json::parse_error& e) {
        scanned.refuse("it is not JSON (" + std::string(e.what()) + ").",
                       line_at(text, e.byte > 0 ? e.byte - 1 : 0));
    } catch (const json::exception& e) {
        scanned.refuse("it is not JSON (" + std::string(e.what()) + ").", 0);
    }
    if (!document.is_object())
        scanned.refuse("it holds " + HammerFields::kind(document) + ", not a hammer object.", 0);
    const HammerFields f(scanned, document, "");
    f.only({"name", "ram_mass_kg", "stroke_m", "energy_kj", "efficiency", "hammer_cushion", "helmet_mass_kg",
            "pile_cushion"});
    Hammer h;
    if (!f.has("name")) scanned.refuse("the field \"name\" is missing.", 0);
    if (!document.at("name").is_string() || document.at("name").get<std::string>().empty())
        f.refuse("name", "is " + HammerFields::kind(document.at("name")) + ", not the hammer's name.");
    h.name = document.at("name").get<std::string>();
    h.ram_mass_kg = f.positive("ram_mass_kg");
    if (f.has("stroke_m") == f.has("energy_kj"))
        scanned.refuse(f.has("stroke_m")
                           ? "it gives both \"stroke_m\" and \"energy_kj\"; give one of them."
                           : "the field \"stroke_m\" or \"energy_kj\" is missing; give one of them.",
                       0);
    if (f.has("stroke_m")) h.stroke_m = f.positive("stroke_m");
    if (f.has("energy_kj")) h.energy_kj = f.positive("energy_kj");
    h.efficiency = f.fraction("efficiency");
    h.hammer_cushion = cushion(scanned, f, "hammer_cushion");
    if (f.has("helmet_mass_kg")) {
        h.helmet_mass_kg = f.number("helmet_mass_kg");
        if (h.helmet_mass_kg < 0)
            f.refuse("helmet_mass_kg", "is " + shortest_text(h.helmet_mass_kg) + "; it must be 0 or above.");
    }
    h.pile_cushion = cushion(scanned, f, "pile_cushion");
    return h;
}

}  // namespace torve
