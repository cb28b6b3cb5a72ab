#include "core/contacts_layout.h"

#include <algorithm>
#include <array>
#include <vector>

namespace quillet::core {
namespace {

// What a record holds in a column.
enum class Field {
    Empty,       // nothing between the delimiters
    QuotedEmpty, // two double quotes
    Literal,     // a fixed unquoted value
    Name,        // quoted
    Address,     // quoted
    Type,        // quoted only when it holds the delimiter, a quote or a line break
    DisplayName, // quoted name + " (" + address + ")"
    Notes,       // quoted kNotesText
    NotWritten,  // past the last field of a record
};

struct Column {
    std::string_view header;
    Field field = Field::Empty;
    std::string_view literal = {};
};

constexpr std::array<Column, kHeaderColumns> kColumns = {{
    {"Title"},
    {"First Name", Field::Name},
    {"Middle Name"},
    {"Last Name"},
    {"Suffix", Field::QuotedEmpty},
    {"Company", Field::QuotedEmpty},
    {"Department", Field::QuotedEmpty},
    {"Job Title"},
    {"Business Street"},
    {"Business Street 2"},
    {"Business Street 3"},
    {"Business City"},
    {"Business State"},
    {"Business Postal Code"},
    {"Business Country"},
    {"Home Street"},
    {"Home Street 2"},
    {"Home Street 3"},
    {"Home City"},
    {"Home State"},
    {"Home Postal Code"},
    {"Home Country"},
    {"Other Street"},
    {"Other Street 2"},
    {"Other Street 3"},
    {"Other City"},
    {"Other State"},
    {"Other Postal Code"},
    {"Other Country"},
    {"Assistant's Phone"},
    {"Business Fax"},
    {"Business Phone"},
    {"Business Phone 2"},
    {"Callback"},
    {"Car Phone"},
    {"Company Main Phone"},
    {"Home Fax"},
    {"Home Phone"},
    {"Home Phone 2"},
    {"ISDN"},
    {"Mobile Phone"},
    {"Other Fax"},
    {"Other Phone"},
    {"Pager"},
    {"Primary Phone"},
    {"Radio Phone"},
    {"TTY/TDD Phone"},
    {"Telex", Field::QuotedEmpty},
    {"Account"},
    {"Anniversary", Field::Literal, "0/0/00"},
    {"Assistant's Name"},
    {"Billing Information"},
    {"Birthday", Field::Literal, "0/0/00"},
    {"Business Address PO Box"},
    {"Categories"},
    {"Children"},
    {"Directory Server"},
    {"E-mail Address", Field::Address},
    {"E-mail Type", Field::Type},
    {"E-mail Display Name", Field::DisplayName},
    {"E-mail 2 Address"},
    {"E-mail 2 Type"},
    {"E-mail 2 Display Name"},
    {"E-mail 3 Address"},
    {"E-mail 3 Type"},
    {"E-mail 3 Display Name"},
    {"Gender", Field::Literal, "Unspecified"},
    {"Government ID Number"},
    {"Hobby"},
    {"Home Address PO Box"},
    {"Initials"},
    {"Internet Free Busy"},
    {"Keywords"},
    {"Language"},
    {"Location"},
    {"Manager's Name"},
    {"Mileage"},
    {"Notes", Field::Notes},
    {"Office Location"},
    {"Organizational ID Number"},
    {"Other Address PO Box"},
    {"Priority", Field::Literal, "Normal"},
    {"Private", Field::Literal, "False"},
    {"Profession"},
    {"Referred By"},
    {"Sensitivity", Field::Literal, "Normal"},
    {"Spouse", Field::NotWritten},
    {"User 1", Field::NotWritten},
    {"User 2", Field::NotWritten},
    {"User 3", Field::NotWritten},
    {"User 4", Field::NotWritten},
    {"Web Page", Field::NotWritten},
}};

// The value with every double quote doubled, as a quoted CSV field needs.
void appendEscaped(std::string& out, std::string_view value) {
    for (std::size_t quote = value.find('"'); quote != std::string_view::npos;
         quote = value.find('"')) {
        out.append(value.substr(0, quote + 1));
        out += '"';
        value.remove_prefix(quote + 1);
    }
    out.append(value);
}

void appendQuoted(std::string& out, std::string_view value) {
    out += '"';
    appendEscaped(out, value);
    out += '"';
}

// A value written bare when a reader cannot mistake it for more than one field, quoted otherwise.
void appendBareOrQuoted(std::string& out, char delimiter, std::string_view value) {
    if (std::ranges::none_of(value, [delimiter](char c) {
            return c == delimiter || c == '"' || c == '\r' || c == '\n';
        })) {
        out += value;
    } else {
        appendQuoted(out, value);
    }
}

// A record for one delimiter as the fixed text before each of its four variable fields and after
// the last: most of its 86 fields are the same in every record, so they are joined once.
class RecordLayout {
public:
    explicit RecordLayout(char delimiter) : delimiter_(delimiter) {
        std::string fixed;
        for (int i = 0; i < kRecordFields; ++i) {
            if (i > 0) {
                fixed += delimiter;
            }
            const Column& column = kColumns[static_cast<std::size_t>(i)];
            switch (column.field) {
            case Field::Empty:
            case Field::NotWritten:
                break;
            case Field::QuotedEmpty:
                fixed += "\"\"";
                break;
            case Field::Literal:
                fixed += column.literal;
                break;
            case Field::Notes:
                appendQuoted(fixed, kNotesText);
                break;
            case Field::Name:
            case Field::Address:
            case Field::Type:
            case Field::DisplayName:
                pieces_.push_back({std::move(fixed), column.field});
                fixed.clear();
                break;
            }
        }
        end_ = std::move(fixed);
    }

    void append(std::string& out, std::string_view name, std::string_view address,
                std::string_view type) const {
        for (const Piece& piece : pieces_) {
            out += piece.before;
            switch (piece.field) {
            case Field::Name:
                appendQuoted(out, name);
                break;
            case Field::Address:
                appendQuoted(out, address);
                break;
            case Field::Type:
                appendBareOrQuoted(out, delimiter_, type);
                break;
            case Field::DisplayName:
                out += '"';
                appendEscaped(out, name);
                out += " (";
                appendEscaped(out, address);
                out += ")\"";
                break;
            default: // fixed fields are in the pieces' text
                break;
            }
        }
        out += end_;
    }

    // Bytes of a record apart from its name, address and type, which the record holds at most
    // twice each (doubled quotes aside).
    std::size_t fixedSize() const {
        std::string record;
        append(record, {}, {}, {});
        return record.size();
    }

private:
    struct Piece {
        std::string before;
        Field field;
    };
    char delimiter_;
    std::vector<Piece> pieces_;
    std::string end_;
};

} // namespace

std::string contactsHeaderLine(char delimiter) {
    std::string line;
    for (const Column& column : kColumns) {
        if (!line.empty()) {
            line += delimiter;
        }
        appendQuoted(line, column.header);
    }
    return line;
}

std::string contactRecord(char delimiter, std::string_view name, std::string_view address,
                          std::string_view type) {
    std::string record;
    RecordLayout(delimiter).append(record, name, address, type);
    return record;
}

std::optional<char> delimiterFor(std::string_view fileType) {
    std::string upper(fileType);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    if (upper == "CSV") {
        return ',';
    }
    if (upper == "TAB") {
        return '\t';
    }
    return std::nullopt;
}

ExportLines exportLines(char delimiter, std::span<const ContactRow> rows) {
    constexpr std::string_view kLineEnd = "\r\n";
    ExportLines lines;
    if (rows.empty()) {
        return lines;
    }
    lines.header = contactsHeaderLine(delimiter);
    lines.header += kLineEnd;
    const RecordLayout layout(delimiter);
    const std::size_t fixedSize = layout.fixedSize();
    std::size_t size = 0;
    for (const ContactRow& row : rows) {
        // A quoted type doubles its quotes: twice its size is always enough.
        size += fixedSize + 2 * (row.name.size() + row.address.size()) +
                2 * std::max(row.type.size(), kDefaultEmailType.size()) + 2 + kLineEnd.size();
    }
    lines.records.reserve(size);
    for (const ContactRow& row : rows) {
        layout.append(lines.records, row.name, row.address,
                      row.type.empty() ? kDefaultEmailType : std::string_view(row.type));
        lines.records += kLineEnd;
    }
    return lines;
}

std::string exportText(std::string_view fileType, std::span<const ContactRow> rows) {
    const std::optional<char> delimiter = delimiterFor(fileType);
    if (!delimiter) {
        return {};
    }
    ExportLines lines = exportLines(*delimiter, rows);
    return lines.header + lines.records;
}

} // namespace quillet::core
