#include "core/contacts_layout.h"

#include <algorithm>
#include <array>

namespace quillet::core {
namespace {

// What a record holds in a column.
enum class Field {
    Empty,       // nothing between the delimiters
    QuotedEmpty, // two double quotes
    Literal,     // a fixed unquoted value
    Name,        // quoted
    Address,     // quoted
    Type,        // unquoted
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

void appendRecord(std::string& out, char delimiter, std::string_view name, std::string_view address,
                  std::string_view type) {
    for (int i = 0; i < kRecordFields; ++i) {
        if (i > 0) {
            out += delimiter;
        }
        const Column& column = kColumns[static_cast<std::size_t>(i)];
        switch (column.field) {
        case Field::Empty:
        case Field::NotWritten:
            break;
        case Field::QuotedEmpty:
            out += "\"\"";
            break;
        case Field::Literal:
            out += column.literal;
            break;
        case Field::Name:
            appendQuoted(out, name);
            break;
        case Field::Address:
            appendQuoted(out, address);
            break;
        case Field::Type:
            out += type;
            break;
        case Field::DisplayName:
            out += '"';
            appendEscaped(out, name);
            out += " (";
            appendEscaped(out, address);
            out += ")\"";
            break;
        case Field::Notes:
            appendQuoted(out, kNotesText);
            break;
        }
    }
}

// Bytes of a record apart from its name, address and type, which the record holds at most
// twice each (doubled quotes aside).
std::size_t fixedRecordSize() {
    static const std::size_t size = [] {
        std::string record;
        appendRecord(record, ',', {}, {}, {});
        return record.size();
    }();
    return size;
}

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
    appendRecord(record, delimiter, name, address, type);
    return record;
}

std::optional<char> delimiterFor(std::string_view fileType) {
    if (fileType == "CSV") {
        return ',';
    }
    if (fileType == "TAB") {
        return '\t';
    }
    return std::nullopt;
}

std::string exportText(std::string_view fileType, std::span<const ContactRow> rows) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::string text;
    if (rows.empty()) {
        return text;
    }
    const std::optional<char> delimiter = delimiterFor(fileType);
    if (!delimiter) {
        text.reserve(rows.size() * kLineEnd.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            text += kLineEnd;
        }
        return text;
    }
    const std::string header = contactsHeaderLine(*delimiter);
    std::size_t size = header.size() + kLineEnd.size();
    for (const ContactRow& row : rows) {
        size += fixedRecordSize() + 2 * (row.name.size() + row.address.size()) +
                std::max(row.type.size(), kDefaultEmailType.size()) + kLineEnd.size();
    }
    text.reserve(size);
    text += header;
    text += kLineEnd;
    for (const ContactRow& row : rows) {
        appendRecord(text, *delimiter, row.name, row.address,
                     row.type.empty() ? kDefaultEmailType : std::string_view(row.type));
        text += kLineEnd;
    }
    return text;
}

} // namespace quillet::core
