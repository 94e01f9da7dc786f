#include "editor/parameter_model.h"

#include <cstring>

#include "base/bounded_text.h"
#include "base/message_box.h"

namespace {

bool ignoredLetter(char c) { return c == '+' || c == '.' || c == '*'; }

bool nameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

bool equalNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
        if (x != y) return false;
    }
    return true;
}

struct CallItem {
    std::string name;
    std::string value;
};

std::vector<CallItem> splitArguments(const std::string& text) {
    std::vector<CallItem> items;
    if (text.empty()) return items;
    size_t start = 0;
    while (true) {
        size_t comma = text.find(',', start);
        std::string piece = text.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        CallItem item;
        size_t equals = piece.find('=');
        // "name=value"; a quoted string that holds "=" is a value, not a name.
        if (equals != std::string::npos && equals > 0 && piece.find('"') > equals) {
            item.name = piece.substr(0, equals);
            item.value = piece.substr(equals + 1);
        } else {
            item.name = piece;
            item.value = piece;
        }
        if (item.name.size() > parameterNameSize - 1) item.name.resize(parameterNameSize - 1);
        if (item.value.size() > parameterValueSize - 1) item.value.resize(parameterValueSize - 1);
        items.push_back(std::move(item));
        if (comma == std::string::npos) break;
        start = comma + 1;
    }
    return items;
}

void fill(ParameterField& field, const std::string& value) {
    if (field.type == 's') {
        field.value.clear();
        for (char c : value)
            if (c != '"') field.value += c;
    } else {
        field.value = value;
    }
    field.include = true;
}

}  // namespace

const char* parameterTypeName(char type) {
    switch (type) {
    case 'c': return "clip";
    case 'i': return "int";
    case 'f': return "float";
    case 'b': return "bool";
    case 's': return "string";
    default: return "";
    }
}

size_t countParameterFields(const char* s) {
    size_t count = 0;
    bool inName = false;
    for (; s && *s; ++s) {
        if (inName) {
            if (*s == ']') inName = false;
        } else if (*s == '[') {
            inName = true;
        } else if (!ignoredLetter(*s)) {
            ++count;
        }
    }
    return count;
}

void ParameterModel::open(const char* parameterString, const char* functionName) {
    fields.clear();
    call.clear();
    noteText[0] = '\0';
    function = functionName ? functionName : "";
    parameters = parameterString ? parameterString : "";
    if (!parameters.empty() && parameters[0] == 'N') {
        copyText(noteText, parameters.c_str());
        parameters.clear();
    }
    fields.reserve(countParameterFields(parameters.c_str()));
    char name[parameterNameSize] = {};
    for (size_t i = 0; i < parameters.size(); ++i) {
        char c = parameters[i];
        if (c == '[') {
            size_t close = parameters.find(']', i + 1);
            size_t end = close == std::string::npos ? parameters.size() : close;
            copyTextN(name, sizeof name, parameters.c_str() + i + 1, end - i - 1);
            i = end;
            continue;
        }
        if (ignoredLetter(c)) {
            // A name paired with an ignored letter labels nothing.
            if (c == '.') name[0] = '\0';
            continue;
        }
        ParameterField f;
        f.type = c;
        if (name[0]) copyText(f.label, name);
        else if (c == 'c') copyText(f.label, "clip");
        name[0] = '\0';
        fields.push_back(std::move(f));
    }
}

int ParameterModel::scrollMaximum() const {
    int range = static_cast<int>(fields.size()) - parameterRowsVisible;
    return range > 0 ? range : 0;
}

ComposeResult ParameterModel::compose(void* owner) {
    size_t first = (!fields.empty() && fields[0].type == 'c' && fields[0].value.empty()) ? 1 : 0;
    std::string arguments;
    for (size_t i = first; i < fields.size(); ++i) {
        const ParameterField& f = fields[i];
        if (!f.include) continue;
        if (f.value.size() > parameterValueLimit) {
            showMessageBox(owner, "The parameter string you are trying to use is larger than allowed.",
                           "Error: String Length", mbOk);
            return composeTooLong;
        }
        if (f.label[0] && std::strcmp(f.label, "clip") != 0) {
            arguments += f.label;
            arguments += '=';
        }
        const std::string& value = f.value.empty() ? std::string(parameterTypeName(f.type)) : f.value;
        if (f.type == 's') arguments += '"' + value + '"';
        else arguments += value;
        if (i + 1 < fields.size()) arguments += ", ";
    }
    if (arguments.size() >= 2 && arguments.compare(arguments.size() - 2, 2, ", ") == 0)
        arguments.resize(arguments.size() - 2);
    call = function + "(" + arguments + ")";
    return composeDone;
}

ReadBackResult ParameterModel::readBack(const std::string& argumentText, const std::string& clipNames,
                                        void* owner) {
    std::vector<CallItem> items = splitArguments(argumentText);
    size_t n = fields.size();
    if (items.size() > n) {
        showMessageBox(owner,
                       "sorry dude can't help ya\n\nYou be having more parameters than places to put them.",
                       "Filter Picker Popup", mbOk);
        return readBackTooMany;
    }
    if (items.size() == n) {
        for (size_t i = 0; i < n; ++i) fill(fields[i], items[i].value);
    } else if (items.size() + 1 == n) {
        bool clipFirst = fields[0].type == 'c' && !items.empty() && clipNameKnown(clipNames, items[0].value);
        size_t offset = clipFirst ? 0 : 1;
        for (size_t i = 0; i < items.size(); ++i) fill(fields[i + offset], items[i].value);
    } else {
        size_t field = 0, item = 0;
        if (field < n && fields[field].type == 'c' && item < items.size()) fill(fields[field++], items[item++].value);
        if (field < n && fields[field].type == 's' && item < items.size() && !items[item].value.empty() &&
            items[item].value[0] == '"')
            fill(fields[field++], items[item++].value);
        for (; field < n; ++field) {
            if (!fields[field].label[0]) continue;
            for (size_t k = item; k < items.size(); ++k) {
                if (items[k].name == fields[field].label) {
                    fill(fields[field], items[k].value);
                    break;
                }
            }
        }
    }
    return readBackFilled;
}

std::string collectAssignedNames(const std::string& text) {
    std::string list;
    std::string name;
    bool nameEnded = false;  // blanks followed the name; an "=" may still come
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '(') {
            size_t close = text.find(')', i + 1);
            if (close == std::string::npos) break;
            i = close;
            name.clear();
            nameEnded = false;
        } else if (c == ' ' || c == '\t') {
            if (!name.empty()) nameEnded = true;
        } else if (c == '=') {
            if (!name.empty()) list += name + ",";
            name.clear();
            nameEnded = false;
        } else if (nameChar(c)) {
            if (nameEnded) name.clear();
            nameEnded = false;
            name += c;
        } else {
            name.clear();
            nameEnded = false;
        }
    }
    return list;
}

bool clipNameKnown(const std::string& list, const std::string& name) {
    size_t start = 0;
    while (true) {
        size_t comma = list.find(',', start);
        if (comma == std::string::npos) return false;  // a piece counts only with its comma
        if (equalNoCase(list.substr(start, comma - start), name)) return true;
        start = comma + 1;
    }
}
