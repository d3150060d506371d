#include "DrawingCost.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>
#include <zlib.h>

namespace plumcrest::reader {

namespace {

// Arrays and dictionaries nested deeper than this are not a form's: parsing stops there.
constexpr int kMaxValueNesting = 64;

bool IsSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\0';
}

bool IsDelimiter(char c) {
    return c == '(' || c == ')' || c == '<' || c == '>' || c == '[' || c == ']' || c == '{' ||
           c == '}' || c == '/' || c == '%';
}

bool IsRegular(char c) {
    return !IsSpace(c) && !IsDelimiter(c);
}

// One PDF value, as much of it as the cost needs.
struct Value {
    enum class Kind { None, Number, Name, String, Ref, Array, Dict, Keyword };
    Kind kind = Kind::None;
    double number = 0;
    std::string text;         // a name (without "/"), a keyword
    std::size_t pieces = 0;   // a string: 1 and one more for each space it holds
    int ref = 0;              // an indirect reference's object number
    std::vector<Value> items; // an array's
    std::vector<std::pair<std::string, Value>> keys; // a dictionary's

    const Value* Get(std::string_view key) const {
        for (const auto& [name, value] : keys)
            if (name == key)
                return &value;
        return nullptr;
    }
    bool IsName(std::string_view name) const { return kind == Kind::Name && text == name; }
};

class Lexer {
public:
    explicit Lexer(std::string_view data, std::size_t at = 0) : data_(data), at_(at) {}

    std::size_t At() const { return at_; }
    void Seek(std::size_t at) { at_ = std::min(at, data_.size()); }
    bool AtEnd() {
        SkipSpace();
        return at_ >= data_.size();
    }

    // The next value; an operator or keyword comes back as Kind::Keyword, a dictionary's or
    // array's end as a Keyword ">>" or "]".
    Value Next(int nesting = 0) {
        SkipSpace();
        Value value;
        if (at_ >= data_.size())
            return value;
        const char c = data_[at_];
        if (c == '/') {
            ++at_;
            value.kind = Value::Kind::Name;
            value.text = std::string(Regular());
        } else if (c == '(') {
            value.kind = Value::Kind::String;
            value.pieces = LiteralString();
        } else if (c == '<' && Peek(1) == '<') {
            at_ += 2;
            value.kind = Value::Kind::Dict;
            if (nesting >= kMaxValueNesting) {
                tooDeep_ = true;
                return {};
            }
            for (;;) {
                Value key = Next(nesting + 1);
                if (key.kind == Value::Kind::Keyword && key.text == ">>")
                    break;
                if (key.kind == Value::Kind::None)
                    return value;
                if (key.kind != Value::Kind::Name)
                    continue;
                Value item = NextWithRef(nesting + 1);
                if (item.kind == Value::Kind::Keyword && item.text == ">>")
                    break;
                value.keys.emplace_back(std::move(key.text), std::move(item));
            }
        } else if (c == '<') {
            value.kind = Value::Kind::String;
            value.pieces = HexString();
        } else if (c == '>' && Peek(1) == '>') {
            at_ += 2;
            value.kind = Value::Kind::Keyword;
            value.text = ">>";
        } else if (c == '[') {
            ++at_;
            value.kind = Value::Kind::Array;
            if (nesting >= kMaxValueNesting) {
                tooDeep_ = true;
                return {};
            }
            for (;;) {
                Value item = NextWithRef(nesting + 1);
                if (item.kind == Value::Kind::None ||
                    (item.kind == Value::Kind::Keyword && item.text == "]"))
                    break;
                value.items.push_back(std::move(item));
            }
        } else if (c == ']' || c == ')' || c == '>' || c == '{' || c == '}') {
            ++at_;
            value.kind = Value::Kind::Keyword;
            value.text = std::string(1, c);
        } else {
            const std::string_view word = Regular();
            if (word.empty()) {
                ++at_; // a stray delimiter
                value.kind = Value::Kind::Keyword;
                return value;
            }
            // Not strtod: the locale must not decide the decimal point.
            const char* first = word.data() + (word[0] == '+' ? 1 : 0);
            double number = 0;
            const auto [end, error] = std::from_chars(first, word.data() + word.size(), number);
            if (error == std::errc() && end == word.data() + word.size()) {
                value.kind = Value::Kind::Number;
                value.number = number;
            } else {
                value.kind = Value::Kind::Keyword;
                value.text = std::string(word);
            }
        }
        return value;
    }

    // A value where "N G R" stands for a reference.
    Value NextWithRef(int nesting = 0) {
        Value value = Next(nesting);
        if (value.kind != Value::Kind::Number || value.number < 0 || value.number > 1e9 ||
            value.number != static_cast<int>(value.number))
            return value;
        const std::size_t back = at_;
        const Value generation = Next(nesting);
        if (generation.kind == Value::Kind::Number) {
            const Value r = Next(nesting);
            if (r.kind == Value::Kind::Keyword && r.text == "R") {
                Value ref;
                ref.kind = Value::Kind::Ref;
                ref.ref = static_cast<int>(value.number);
                return ref;
            }
        }
        at_ = back;
        return value;
    }

    bool TooDeep() const { return tooDeep_; }

    // Past an inline image's data, to just after its "EI".
    void SkipInlineImage() {
        while (at_ + 2 <= data_.size()) {
            if (data_[at_] == 'E' && data_[at_ + 1] == 'I' && at_ > 0 && IsSpace(data_[at_ - 1]) &&
                (at_ + 2 == data_.size() || IsSpace(data_[at_ + 2]))) {
                at_ += 2;
                return;
            }
            ++at_;
        }
        at_ = data_.size();
    }

private:
    char Peek(std::size_t ahead) const {
        return at_ + ahead < data_.size() ? data_[at_ + ahead] : '\0';
    }

    void SkipSpace() {
        while (at_ < data_.size()) {
            if (IsSpace(data_[at_])) {
                ++at_;
            } else if (data_[at_] == '%') {
                while (at_ < data_.size() && data_[at_] != '\n' && data_[at_] != '\r')
                    ++at_;
            } else {
                break;
            }
        }
    }

    std::string_view Regular() {
        const std::size_t start = at_;
        while (at_ < data_.size() && IsRegular(data_[at_]))
            ++at_;
        return data_.substr(start, at_ - start);
    }

    std::size_t LiteralString() {
        ++at_;
        std::size_t pieces = 1;
        int open = 1;
        while (at_ < data_.size() && open > 0) {
            const char c = data_[at_++];
            if (c == '\\') {
                ++at_;
            } else if (c == '(') {
                ++open;
            } else if (c == ')') {
                --open;
            } else if (c == ' ') {
                ++pieces;
            }
        }
        return pieces;
    }

    std::size_t HexString() {
        ++at_;
        std::size_t pieces = 1;
        int digits = 0;
        int high = 0;
        while (at_ < data_.size() && data_[at_] != '>') {
            const char c = data_[at_++];
            const int digit = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                              : (c >= 'a' && c <= 'f')                    ? c - 'a' + 10
                              : (c >= 'A' && c <= 'F')                    ? c - 'A' + 10
                                                                          : -1;
            if (digit < 0)
                continue;
            if (digits++ % 2 == 0)
                high = digit;
            else if (high * 16 + digit == ' ')
                ++pieces;
        }
        ++at_;
        return pieces;
    }

    std::string_view data_;
    std::size_t at_ = 0;
    bool tooDeep_ = false;
};

struct Object {
    Value dict;
    std::string_view stream; // raw, as in the file
    bool hasStream = false;
    std::optional<std::string> decoded;
    bool decodeTried = false;
};

class Drawing {
public:
    Drawing(std::string_view file, int pages) : file_(file), pages_(pages) {}

    DrawingCost Cost() {
        ReadObjects();
        ReadObjectStreams();
        for (const Object* page : Pages()) {
            Page current;
            const Value* resources = Inherited(*page, "Resources");
            const Value* direct = page->dict.Get("Contents");
            const Value* contents = Resolve(direct);
            // One stream is run where it was decoded; several are run as one.
            std::string joined;
            std::string_view content;
            if (direct && direct->kind == Value::Kind::Ref && Find(direct->ref) &&
                Find(direct->ref)->hasStream) {
                if (const std::string* data = Decoded(direct->ref))
                    content = *data;
            } else if (contents && contents->kind == Value::Kind::Array) {
                for (const Value& part : contents->items)
                    if (part.kind == Value::Kind::Ref)
                        if (const std::string* data = Decoded(part.ref)) {
                            joined += *data;
                            joined += '\n';
                        }
                content = joined;
            }
            Run(content, Resolve(resources), 0, current);
            cost_.textPieces = std::max(cost_.textPieces, current.pieces);
            cost_.operators = std::max(cost_.operators, current.operators);
            cost_.depth = std::max(cost_.depth, current.depth);
            if (Beyond(current))
                cost_.beyondLimits = true;
            if (cost_.beyondLimits)
                break;
        }
        return cost_;
    }

private:
    struct Page {
        std::size_t pieces = 0;
        std::size_t operators = 0;
        int depth = 0;
    };

    static bool Beyond(const Page& page) {
        return page.pieces > kMaxTextPiecesPerPage || page.operators > kMaxOperatorsPerPage ||
               page.depth > kMaxDrawingDepth;
    }

    // Every "N G obj" of the file, the later of two with one number standing (an update).
    void ReadObjects() {
        std::size_t from = 0;
        while ((from = file_.find("obj", from)) != std::string_view::npos) {
            const std::size_t at = from;
            from += 3;
            if (at + 3 < file_.size() && IsRegular(file_[at + 3]))
                continue;
            // Back over " G " and "N".
            std::size_t p = at;
            const auto backOverSpace = [&] {
                while (p > 0 && IsSpace(file_[p - 1]))
                    --p;
            };
            const auto backOverDigits = [&] {
                const std::size_t end = p;
                while (p > 0 && std::isdigit(static_cast<unsigned char>(file_[p - 1])))
                    --p;
                return end - p;
            };
            backOverSpace();
            if (backOverDigits() == 0)
                continue;
            backOverSpace();
            const std::size_t numberEnd = p;
            if (backOverDigits() == 0)
                continue;
            const std::string digits(file_.substr(p, numberEnd - p));
            if (digits.size() > 9)
                continue;
            const int number = std::stoi(digits);
            Lexer lexer(file_, at + 3);
            Object object;
            object.dict = lexer.NextWithRef();
            if (lexer.TooDeep())
                cost_.beyondLimits = true;
            const std::size_t afterValue = lexer.At();
            const Value keyword = lexer.Next();
            if (keyword.kind == Value::Kind::Keyword && keyword.text == "stream") {
                std::size_t start = lexer.At();
                if (start < file_.size() && file_[start] == '\r')
                    ++start;
                if (start < file_.size() && file_[start] == '\n')
                    ++start;
                std::size_t end = std::string_view::npos;
                if (const Value* length = object.dict.Get("Length");
                    length && length->kind == Value::Kind::Number && length->number >= 0 &&
                    length->number <= static_cast<double>(file_.size() - start)) {
                    const std::size_t candidate = start + static_cast<std::size_t>(length->number);
                    if (file_.substr(candidate, 64).find("endstream") != std::string_view::npos)
                        end = candidate;
                }
                if (end == std::string_view::npos)
                    end = file_.find("endstream", start);
                if (end == std::string_view::npos)
                    end = file_.size();
                object.stream = file_.substr(start, end - start);
                object.hasStream = true;
                from = end;
            } else {
                from = std::max(from, afterValue);
            }
            objects_[number] = std::make_unique<Object>(std::move(object));
        }
    }

    // Objects kept compressed inside object streams, where a file written since PDF 1.5 keeps
    // its pages and resources.
    void ReadObjectStreams() {
        std::vector<int> streams;
        for (const auto& [number, object] : objects_)
            if (object->hasStream && object->dict.kind == Value::Kind::Dict) {
                const Value* type = object->dict.Get("Type");
                if (type && type->IsName("ObjStm"))
                    streams.push_back(number);
            }
        for (const int number : streams) {
            const Object& holder = *objects_[number];
            const Value* count = holder.dict.Get("N");
            const Value* first = holder.dict.Get("First");
            if (!count || !first || count->kind != Value::Kind::Number ||
                first->kind != Value::Kind::Number || count->number < 0 || first->number < 0)
                continue;
            const std::string* data = Decoded(number);
            if (!data)
                continue;
            const std::string_view text(*data);
            Lexer header(text);
            const auto n = static_cast<std::size_t>(std::min(count->number, 1e6));
            const auto base = static_cast<std::size_t>(std::min(first->number, 1e12));
            for (std::size_t i = 0; i < n; ++i) {
                const Value id = header.Next();
                const Value offset = header.Next();
                if (id.kind != Value::Kind::Number || offset.kind != Value::Kind::Number ||
                    offset.number < 0 || id.number < 0 || id.number > 1e9)
                    break;
                const auto object = static_cast<int>(id.number);
                if (objects_.count(object))
                    continue;
                Lexer body(text, base + static_cast<std::size_t>(std::min(offset.number, 1e12)));
                auto inside = std::make_unique<Object>();
                inside->dict = body.NextWithRef();
                if (body.TooDeep())
                    cost_.beyondLimits = true;
                objects_[object] = std::move(inside);
            }
        }
    }

    const Object* Find(int number) const {
        const auto found = objects_.find(number);
        return found == objects_.end() ? nullptr : found->second.get();
    }

    const Value* Resolve(const Value* value) const {
        for (int hops = 0; value && value->kind == Value::Kind::Ref && hops < 8; ++hops) {
            const Object* object = Find(value->ref);
            value = object ? &object->dict : nullptr;
        }
        return value && value->kind != Value::Kind::Ref ? value : nullptr;
    }

    // A page's own entry or its nearest ancestor's.
    const Value* Inherited(const Object& page, std::string_view key) const {
        const Value* node = &page.dict;
        for (int up = 0; node && up < 64; ++up) {
            if (const Value* value = node->Get(key))
                return value;
            node = Resolve(node->Get("Parent"));
        }
        return nullptr;
    }

    // The first pages in the page tree's order; every page object when there is no tree.
    std::vector<const Object*> Pages() const {
        std::vector<const Object*> pages;
        const Object* root = nullptr;
        for (const auto& [number, object] : objects_) {
            const Value* type = object->dict.Get("Type");
            if (type && type->IsName("Pages") && !object->dict.Get("Parent")) {
                root = object.get();
                break;
            }
        }
        std::set<const Value*> seen;
        const auto walk = [&](const auto& self, const Value& node, int depth) -> void {
            if (depth > 64 || static_cast<int>(pages.size()) >= pages_ ||
                !seen.insert(&node).second)
                return;
            const Value* kids = Resolve(node.Get("Kids"));
            if (!kids) {
                // A leaf: a page. Its Object is found again by its dictionary.
                for (const auto& [number, object] : objects_)
                    if (&object->dict == &node) {
                        pages.push_back(object.get());
                        break;
                    }
                return;
            }
            if (kids->kind != Value::Kind::Array)
                return;
            for (const Value& kid : kids->items)
                if (const Value* child = Resolve(&kid); child && child->kind == Value::Kind::Dict)
                    self(self, *child, depth + 1);
        };
        if (root)
            walk(walk, root->dict, 0);
        if (pages.empty())
            for (const auto& [number, object] : objects_) {
                const Value* type = object->dict.Get("Type");
                if (type && type->IsName("Page") && static_cast<int>(pages.size()) < pages_)
                    pages.push_back(object.get());
            }
        return pages;
    }

    // The stream of object `number` decompressed, within what is left of kMaxDecodedBytes;
    // nothing when it has no stream or one in a form this cannot read.
    const std::string* Decoded(int number) {
        const auto found = objects_.find(number);
        if (found == objects_.end() || !found->second->hasStream)
            return nullptr;
        Object& object = *found->second;
        if (object.decodeTried)
            return object.decoded ? &*object.decoded : nullptr;
        object.decodeTried = true;
        const Value* filter = Resolve(object.dict.Get("Filter"));
        if (filter && filter->kind == Value::Kind::Array && filter->items.size() == 1)
            filter = &filter->items.front();
        if (!filter) {
            if (object.stream.size() > budget_) {
                cost_.beyondLimits = true;
                return nullptr;
            }
            budget_ -= object.stream.size();
            object.decoded = std::string(object.stream);
        } else if (filter->IsName("FlateDecode") || filter->IsName("Fl")) {
            const Value* parameters = Resolve(object.dict.Get("DecodeParms"));
            if (parameters && parameters->kind == Value::Kind::Dict)
                if (const Value* predictor = parameters->Get("Predictor");
                    predictor && predictor->kind == Value::Kind::Number && predictor->number > 1)
                    return nullptr;
            object.decoded = Inflate(object.stream);
        }
        return object.decoded ? &*object.decoded : nullptr;
    }

    std::optional<std::string> Inflate(std::string_view in) {
        z_stream z{};
        if (inflateInit(&z) != Z_OK)
            return std::nullopt;
        std::string out;
        char chunk[16384];
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(in.data()));
        z.avail_in = static_cast<uInt>(std::min<std::size_t>(in.size(), 0xFFFFFFFFu));
        int status = Z_OK;
        while (status == Z_OK) {
            z.next_out = reinterpret_cast<Bytef*>(chunk);
            z.avail_out = sizeof chunk;
            status = inflate(&z, Z_NO_FLUSH);
            const std::size_t produced = sizeof chunk - z.avail_out;
            if (produced > budget_) {
                cost_.beyondLimits = true;
                inflateEnd(&z);
                return std::nullopt;
            }
            budget_ -= produced;
            out.append(chunk, produced);
            if (status == Z_BUF_ERROR && produced > 0)
                status = Z_OK;
        }
        inflateEnd(&z);
        // A stream cut short still shows what it would draw.
        if (status != Z_STREAM_END && out.empty())
            return std::nullopt;
        return out;
    }

    // Runs a content stream's operators, counting into `page`; a drawing it draws is run once
    // and its cost then counted each time it is drawn.
    void Run(std::string_view content, const Value* resources, int depth, Page& page) {
        Lexer lexer(content);
        std::size_t pending = 0; // pieces of text in the strings given to the next operator
        std::string name;        // the last name given
        int saved = 0;
        while (!Beyond(page) && !lexer.AtEnd()) {
            const Value value = lexer.Next();
            if (lexer.TooDeep()) {
                page.depth = kMaxDrawingDepth + 1;
                return;
            }
            switch (value.kind) {
            case Value::Kind::String:
                pending += value.pieces;
                continue;
            case Value::Kind::Array:
                for (const Value& item : value.items)
                    if (item.kind == Value::Kind::String)
                        pending += item.pieces;
                continue;
            case Value::Kind::Name:
                name = value.text;
                continue;
            case Value::Kind::Keyword:
                break;
            default:
                continue;
            }
            const std::string& op = value.text;
            if (op == "true" || op == "false" || op == "null")
                continue;
            ++page.operators;
            if (op == "Tj" || op == "TJ" || op == "'" || op == "\"") {
                page.pieces += pending;
            } else if (op == "q") {
                ++saved;
                page.depth = std::max(page.depth, depth + saved);
            } else if (op == "Q") {
                saved = std::max(0, saved - 1);
            } else if (op == "BI") {
                // The image's dictionary, then its data after "ID".
                for (Value key = lexer.Next();
                     key.kind != Value::Kind::None &&
                     !(key.kind == Value::Kind::Keyword && key.text == "ID");
                     key = lexer.Next()) {
                }
                lexer.SkipInlineImage();
            } else if (op == "Do") {
                Draw(name, resources, depth + saved + 1, page);
            }
            pending = 0;
        }
    }

    void Draw(const std::string& name, const Value* resources, int depth, Page& page) {
        if (!resources || resources->kind != Value::Kind::Dict)
            return;
        const Value* xobjects = Resolve(resources->Get("XObject"));
        if (!xobjects || xobjects->kind != Value::Kind::Dict)
            return;
        const Value* ref = xobjects->Get(name);
        if (!ref || ref->kind != Value::Kind::Ref)
            return;
        const Object* form = Find(ref->ref);
        if (!form || !form->hasStream)
            return;
        const Value* subtype = form->dict.Get("Subtype");
        if (!subtype || !subtype->IsName("Form"))
            return;
        page.depth = std::max(page.depth, depth);
        // Each drawing inside another is counted from its own top, so the nesting of the calls
        // is bounded apart from the depth counted.
        if (depth > kMaxDrawingDepth || nesting_ >= kMaxDrawingDepth) {
            page.depth = kMaxDrawingDepth + 1;
            return;
        }
        Page once;
        if (const auto known = forms_.find(ref->ref); known != forms_.end()) {
            once = known->second;
        } else {
            // A drawing that draws itself, at any remove, never ends.
            if (!drawing_.insert(ref->ref).second) {
                page.depth = kMaxDrawingDepth + 1;
                return;
            }
            const Value* own = Resolve(form->dict.Get("Resources"));
            ++nesting_;
            if (const std::string* content = Decoded(ref->ref))
                Run(*content, own ? own : resources, 0, once);
            --nesting_;
            drawing_.erase(ref->ref);
            forms_[ref->ref] = once;
        }
        page.pieces = Saturated(page.pieces, once.pieces);
        page.operators = Saturated(page.operators, once.operators);
        page.depth = std::max(page.depth, depth + once.depth);
    }

    static std::size_t Saturated(std::size_t a, std::size_t b) {
        return a > std::size_t(-1) - b ? std::size_t(-1) : a + b;
    }

    std::string_view file_;
    int pages_;
    std::map<int, std::unique_ptr<Object>> objects_;
    std::map<int, Page> forms_;
    std::set<int> drawing_;
    int nesting_ = 0;
    std::size_t budget_ = kMaxDecodedBytes;
    DrawingCost cost_;
};

} // namespace

DrawingCost CostOfDrawing(std::string_view file, int pages) {
    return Drawing(file, pages).Cost();
}

} // namespace plumcrest::reader
