// A row of a CSV text (RFC 4180, CRLF line ends) as the runner's CSV files write it.
#pragma once

#include <charconv>
#include <string>
#include <string_view>

namespace torve::cli {

inline constexpr const char* kCsvLineEnd = "\r\n";

// The row being built: fields separated by commas.
class CsvRow {
  public:
    explicit CsvRow(std::string& text) : text_(text) {}
    ~CsvRow() { text_ += kCsvLineEnd; }
    CsvRow(const CsvRow&) = delete;
    CsvRow& operator=(const CsvRow&) = delete;

    CsvRow& number(double v) {
        separate();
        char buf[32];
        const auto r = std::to_chars(buf, buf + sizeof buf, v);  // the shortest form that round-trips
        text_.append(buf, r.ptr);
        return *this;
    }
    CsvRow& integer(long long v) {
        separate();
        text_ += std::to_string(v);
        return *this;
    }
    // RFC 4180: a field with a comma, quote or line break is quoted, quotes doubled.
    CsvRow& field(std::string_view s) {
        separate();
        if (s.find_first_of(",\"\r\n") == std::string_view::npos) {
            text_ += s;
            return *this;
        }
        text_ += '"';
        for (char c : s) text_ += c == '"' ? std::string_view("\"\"") : std::string_view(&c, 1);
        text_ += '"';
        return *this;
    }
    CsvRow& empty() {
        separate();
        return *this;
    }

  private:
    void separate() {
        if (!first_) text_ += ',';
        first_ = false;
    }
    std::string& text_;
    bool first_ = true;
};

}  // namespace torve::cli
