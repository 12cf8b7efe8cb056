#include "input/exact_json.h"

#include <vector>

#include "input/arguments.h"

namespace quorvel {

namespace {

// Builds the tree from nlohmann's SAX events, numbers as their text.
class ExactTree {
  public:
    using string_t = std::string;

    bool null() { return put(nullptr); }
    bool boolean(bool value) { return put(value); }
    bool number_integer(std::int64_t value) { return put(std::to_string(value)); }
    bool number_unsigned(std::uint64_t value) { return put(std::to_string(value)); }
    bool number_float(double, const std::string& text) { return put(text); }
    bool string(std::string& value) { return put(std::move(value)); }
    bool binary(Json::binary_t&) { return put(nullptr); }
    bool start_object(std::size_t) { return open(Json::object()); }
    bool key(std::string& name) {
        key_ = std::move(name);
        return true;
    }
    bool end_object() { return close(); }
    bool start_array(std::size_t) { return open(Json::array()); }
    bool end_array() { return close(); }
    bool parse_error(std::size_t at, const std::string&, const nlohmann::detail::exception& ex) {
        failedAt_ = at;
        failure_ = ex.what();
        return false;
    }

    Json root;
    std::size_t failedAt_ = 0;
    std::string failure_;

  private:
    bool put(Json value) {
        if (open_.empty()) {
            root = std::move(value);
        } else if (open_.back()->is_array()) {
            open_.back()->push_back(std::move(value));
        } else {
            (*open_.back())[key_] = std::move(value);
        }
        return true;
    }
    bool open(Json value) {
        put(std::move(value));
        Json* opened = &root;
        if (open_.empty()) {
        } else if (open_.back()->is_array()) {
            opened = &open_.back()->back();
        } else {
            opened = &(*open_.back())[key_];
        }
        open_.push_back(opened);
        return true;
    }
    bool close() {
        open_.pop_back();
        return true;
    }

    std::vector<Json*> open_;
    std::string key_;
};

// "line 3, column 7" of the byte at (1-based, as nlohmann counts it).
std::string placeOf(std::string_view text, std::size_t at) {
    std::size_t line = 1, column = 1;
    for (std::size_t i = 0; i + 1 < at && i < text.size(); ++i) {
        if (text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return "line " + std::to_string(line) + ", column " + std::to_string(column);
}

}  // namespace

Json parseExact(std::string_view text, const std::string& source) {
    ExactTree tree;
    if (!Json::sax_parse(text, &tree)) {
        std::string reason = tree.failure_;
        if (const std::size_t at = reason.find(": "); at != std::string::npos)
            reason = reason.substr(reason.rfind(": ") + 2);
        throw RefusedArgument{source + ": " + placeOf(text, tree.failedAt_) + ": not JSON (" +
                              reason + ")"};
    }
    return std::move(tree.root);
}

std::string numberText(const Json& value) {
    if (value.is_string()) return value.get<std::string>();
    if (value.is_number()) return value.dump();
    return {};
}

}  // namespace quorvel
