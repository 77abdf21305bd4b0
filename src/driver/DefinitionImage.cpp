#include "driver/DefinitionImage.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

#include "driver/Platform.h"
#include "model/Funkcija.h"
#include "model/Klasa.h"
#include "model/SymbolTable.h"
#include "model/Value.h"

namespace php {

const char* const DefinitionImageName = "definitions.bin";

namespace {

// A file mapped read-only for as long as the object lives.
class MappedFile {
public:
    explicit MappedFile(const std::string& path) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) return;
        struct stat st;
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
            void* p = ::mmap(nullptr, static_cast<size_t>(st.st_size), PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (p != MAP_FAILED) {
                data_ = static_cast<const char*>(p);
                size_ = static_cast<size_t>(st.st_size);
            }
        }
        ::close(fd);
    }
    ~MappedFile() {
        if (data_) ::munmap(const_cast<char*>(data_), size_);
    }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    const char* data() const { return data_; }
    size_t size() const { return size_; }

private:
    const char* data_ = nullptr;
    size_t size_ = 0;
};

// Layout: magic, version, source hash, the counts of classes, functions and
// shared values; the classes' and functions' names and places; then every
// class, function and shared value in full; then the symbol tables (the
// global one, each class's members, each function's scope). Objects refer to
// each other by index. Bump the version whenever the layout or the model's
// fields change.
constexpr char Magic[8] = {'T', 'W', 'D', 'E', 'F', 'I', 'M', 'G'};
constexpr uint32_t Version = 1;

// Type references: 0 none, 1 to 7 the built-in singletons, then the classes.
constexpr uint32_t FirstClassRef = 8;
// Table references: owner kind and index.
enum TableKind : uint8_t { NoTable = 0, GlobalTable = 1, ClassTable = 2, FunctionTable = 3 };

Type* builtinType(uint32_t ref) {
    switch (ref) {
        case 1: return booleanType();
        case 2: return integerType();
        case 3: return floatType();
        case 4: return stringType();
        case 5: return resourceType();
        case 6: return nullType();
        case 7: return arrayType();
        default: return nullptr;
    }
}

uint32_t builtinRef(const Type* t) {
    for (uint32_t r = 1; r < FirstClassRef; ++r)
        if (builtinType(r) == t) return r;
    return 0;
}

// ---------------------------------------------------------------------------
// Writing

class Writer {
public:
    explicit Writer(const std::vector<std::string>& paths) : paths_(paths) {
        const std::string& first = paths.empty() ? std::string() : paths[0];
        const size_t slash = first.rfind('/');
        if (slash != std::string::npos && slash > 0) directory_ = first.substr(0, slash);
    }

    bool run(uint64_t sourceHash, std::string& out, std::string& why) {
        SymbolTable* global = globalBuiltinScope();
        tables_[global] = {GlobalTable, 0};
        discoverTable(global);
        while (nextClass_ < classes_.size() || nextFunction_ < functions_.size()) {
            while (nextClass_ < classes_.size()) expandClass(classes_[nextClass_++]);
            while (nextFunction_ < functions_.size()) expandFunction(functions_[nextFunction_++]);
        }
        out_.append(Magic, sizeof Magic);
        fixed32(Version);
        fixed64(sourceHash);
        number(classes_.size());
        number(functions_.size());
        number(values_.size());
        for (const Klasa* k : classes_) {
            string(k->typeName);
            string(k->fileName);
            signedNumber(k->line);
        }
        for (const Funkcija* f : functions_) {
            string(f->name);
            string(f->fileName);
            signedNumber(f->line);
        }
        for (const Klasa* k : classes_) writeClass(k);
        for (const Funkcija* f : functions_) writeFunction(f);
        for (const Value* v : values_) writeValue(*v);
        writeTable(*global);
        for (const Klasa* k : classes_) writeTable(*k->members);
        // A built-in function's own scope (its parameters as variables) is
        // not kept: only the nodes of its body, released with the definition
        // files, ever look into it. It is a quarter of the image.
        for (size_t i = 0; i < functions_.size(); ++i) writeTable(SymbolTable());
        if (!ok_) {
            why = why_;
            return false;
        }
        out = std::move(out_);
        return true;
    }

private:
    void fail(const std::string& reason) {
        if (ok_) why_ = reason;
        ok_ = false;
    }

    // Discovery gives every reachable class, function and shared value its index.
    void discoverClass(Klasa* k) {
        if (!k || classIds_.count(k)) return;
        classIds_[k] = static_cast<uint32_t>(classes_.size());
        tables_[k->members] = {ClassTable, static_cast<uint32_t>(classes_.size())};
        classes_.push_back(k);
        if (k->resolving) fail("class " + k->typeName + " is being resolved");
    }

    void discoverFunction(Funkcija* f) {
        if (!f || functionIds_.count(f)) return;
        functionIds_[f] = static_cast<uint32_t>(functions_.size());
        tables_[f->scope] = {FunctionTable, static_cast<uint32_t>(functions_.size())};
        functions_.push_back(f);
    }

    void expandClass(const Klasa* k) {
        discoverTable(k->members);
        discoverClass(k->parent);
        for (Klasa* i : k->interfaces) discoverClass(i);
    }

    void expandFunction(const Funkcija* f) {
        if (!f->signature) return;
        for (const ParameterInfo& p : f->signature->parameters) {
            discoverType(p.hint);
            discoverInline(p.defaultValue);
            if (p.defaultSource) fail("function " + f->name + " keeps a default's expression");
        }
        if (f->signature->evaluatorData) fail("function " + f->name + " has evaluator data");
        if (f->signature->evaluator && f != globalBuiltinScope()->findFunction("define") &&
            f != globalBuiltinScope()->findFunction("dirname"))
            fail("function " + f->name + " has an evaluator the image cannot restore");
    }

    void discoverTable(const SymbolTable* t) {
        if (!t) return;
        for (const auto& e : t->variables) discoverShared(e.second.item);
        for (const auto& e : t->functions) discoverFunction(e.second.item);
        for (const auto& e : t->constants) discoverShared(e.second);
        for (const auto& e : t->classes) discoverClass(e.second.item);
    }

    void discoverType(Type* t) {
        if (!t || builtinRef(t)) return;
        auto* k = dynamic_cast<Klasa*>(t);
        if (!k) {
            fail("a value has a type the image does not know: " + t->typeName);
            return;
        }
        discoverClass(k);
    }

    void discoverShared(Value* v) {
        if (!v || valueIds_.count(v)) return;
        valueIds_[v] = static_cast<uint32_t>(values_.size());
        values_.push_back(v);
        discoverInline(*v);
    }

    void discoverInline(const Value& v) {
        discoverType(v.type);
        if (!v.type || !v.data) return;
        if (v.type->isArray()) {
            for (const auto& e : arrayElements(v)) {
                discoverInline(e.first);
                if (e.second) discoverInline(*e.second);
            }
        } else if (dynamic_cast<Klasa*>(v.type)) {
            for (auto* part = static_cast<const ObjectData*>(v.data); part; part = part->parentPart) {
                discoverClass(part->klasa);
                for (const auto& p : part->properties) discoverInline(p.second);
            }
        }
    }

    // Encoding.
    void number(uint64_t n) {
        while (n >= 0x80) {
            out_.push_back(static_cast<char>((n & 0x7f) | 0x80));
            n >>= 7;
        }
        out_.push_back(static_cast<char>(n));
    }
    void signedNumber(int64_t n) { number((static_cast<uint64_t>(n) << 1) ^ static_cast<uint64_t>(n >> 63)); }
    void fixed32(uint32_t n) { out_.append(reinterpret_cast<const char*>(&n), sizeof n); }
    void fixed64(uint64_t n) { out_.append(reinterpret_cast<const char*>(&n), sizeof n); }
    void flag(bool b) { out_.push_back(b ? 1 : 0); }

    // A definition file's path is written as its index; any other text that
    // names the directory the files were read from would tie the image to
    // one installation, so it is refused.
    void string(const std::string& s) {
        for (size_t i = 0; i < paths_.size(); ++i)
            if (s == paths_[i]) {
                number(i + 1);
                return;
            }
        if (!directory_.empty() && s.find(directory_) != std::string::npos)
            fail("text names the definitions directory: " + s);
        number(0);
        number(s.size());
        out_.append(s);
    }

    void classRef(const Klasa* k) {
        if (!k) {
            number(0);
            return;
        }
        auto it = classIds_.find(k);
        if (it == classIds_.end()) {
            fail("a class outside the image: " + k->typeName);
            number(0);
            return;
        }
        number(it->second + 1);
    }

    void typeRef(const Type* t) {
        if (!t) {
            number(0);
            return;
        }
        if (uint32_t r = builtinRef(t)) {
            number(r);
            return;
        }
        auto it = classIds_.find(dynamic_cast<const Klasa*>(t));
        if (it == classIds_.end()) {
            fail("a type outside the image: " + t->typeName);
            number(0);
            return;
        }
        number(FirstClassRef + it->second);
    }

    void tableRef(const SymbolTable* t) {
        if (!t) {
            number(NoTable);
            return;
        }
        auto it = tables_.find(t);
        if (it == tables_.end()) {
            fail("a value bound to a table outside the image");
            number(NoTable);
            return;
        }
        number(it->second.first);
        number(it->second.second);
    }

    void writeClass(const Klasa* k) {
        classRef(k->parent);
        number(k->interfaces.size());
        for (const Klasa* i : k->interfaces) classRef(i);
        flag(k->isInterface);
        flag(k->isAbstract);
        flag(k->isFinal);
        flag(k->defined);
        flag(k->hasPropertyHandlers);
        flag(k->hasCallHandler);
        flag(k->resolved);
        flag(k->heritageChecked);
    }

    void writeFunction(const Funkcija* f) {
        signedNumber(f->access);
        flag(f->isStatic);
        signedNumber(f->implementation);
        flag(f->signature != nullptr);
        if (!f->signature) return;
        flag(f->signature->checkArguments);
        number(f->signature->parameters.size());
        for (const ParameterInfo& p : f->signature->parameters) {
            typeRef(p.hint);
            string(p.name);
            writeValue(p.defaultValue);
            flag(p.byReference);
            flag(p.nullDefault);
        }
    }

    void writeValue(const Value& v) {
        typeRef(v.type);
        flag(v.initialised);
        string(v.fileName);
        signedNumber(v.line);
        string(v.text);
        tableRef(v.owner);
        string(v.symbolName);
        const bool hasData = v.type && v.data;
        flag(hasData);
        if (!hasData) return;
        Type* t = v.type;
        if (t->isBoolean() || t->isResource()) {
            number(*static_cast<const uint8_t*>(v.data));
        } else if (t->isInteger()) {
            signedNumber(*static_cast<const int64_t*>(v.data));
        } else if (t->isFloat()) {
            uint64_t bits;
            std::memcpy(&bits, v.data, sizeof bits);
            fixed64(bits);
        } else if (t->isString()) {
            string(*static_cast<const std::string*>(v.data));
        } else if (t->isArray()) {
            const ArrayMap& elements = arrayElements(v);
            number(elements.size());
            for (const auto& e : elements) {
                writeValue(e.first);
                flag(e.second != nullptr);
                if (e.second) writeValue(*e.second);
            }
        } else if (dynamic_cast<const Klasa*>(t)) {
            size_t parts = 0;
            for (auto* part = static_cast<const ObjectData*>(v.data); part; part = part->parentPart) ++parts;
            number(parts);
            for (auto* part = static_cast<const ObjectData*>(v.data); part; part = part->parentPart) {
                classRef(part->klasa);
                number(part->properties.size());
                for (const auto& p : part->properties) {
                    string(p.first);
                    writeValue(p.second);
                }
            }
        } else {
            fail("a value whose storage the image does not know: " + t->typeName);
        }
    }

    // The index of a table entry's value or function, found by discovery.
    template <typename T>
    void entryRef(const std::map<const T*, uint32_t>& ids, const T* item, const char* what) {
        auto it = ids.find(item);
        if (!item || it == ids.end()) {
            fail(std::string("a table entry without a ") + what);
            number(0);
            return;
        }
        number(it->second);
    }
    void sharedRef(const Value* v) { entryRef(valueIds_, v, "value"); }
    void functionRef(const Funkcija* f) { entryRef(functionIds_, f, "function"); }

    void writeTable(const SymbolTable& t) {
        number(t.variables.size());
        for (const auto& e : t.variables) {
            string(e.first);
            number(e.second.accessFlags);
            sharedRef(e.second.item);
        }
        number(t.functions.size());
        for (const auto& e : t.functions) {
            string(e.first);
            number(e.second.accessFlags);
            functionRef(e.second.item);
        }
        number(t.constants.size());
        for (const auto& e : t.constants) {
            string(e.first.name);
            flag(e.first.exactCase);
            sharedRef(e.second);
        }
        number(t.classes.size());
        for (const auto& e : t.classes) {
            string(e.first);
            number(e.second.accessFlags);
            if (!e.second.item) fail("a table entry without a class");
            classRef(e.second.item);
        }
    }

    const std::vector<std::string>& paths_;
    std::string directory_;
    std::string out_;
    std::string why_;
    bool ok_ = true;
    std::map<const Klasa*, uint32_t> classIds_;
    std::vector<Klasa*> classes_;
    size_t nextClass_ = 0;
    std::map<const Funkcija*, uint32_t> functionIds_;
    std::vector<Funkcija*> functions_;
    size_t nextFunction_ = 0;
    std::map<const Value*, uint32_t> valueIds_;
    std::vector<Value*> values_;
    std::map<const SymbolTable*, std::pair<uint8_t, uint32_t>> tables_;
};

// ---------------------------------------------------------------------------
// Reading

struct Damaged {};

class Reader {
public:
    Reader(const char* data, size_t size, const std::vector<std::string>& paths)
        : data_(data), size_(size), paths_(paths) {}

    bool run(uint64_t sourceHash) {
        try {
            return read(sourceHash);
        } catch (const Damaged&) {
            return false;
        }
    }

private:
    bool read(uint64_t sourceHash) {
        if (size_ < sizeof Magic || std::memcmp(data_, Magic, sizeof Magic) != 0) return false;
        pos_ = sizeof Magic;
        if (fixed32() != Version || fixed64() != sourceHash) return false;
        SymbolTable* global = globalBuiltinScope();
        if (!global->variables.empty() || !global->functions.empty() || !global->constants.empty() ||
            !global->classes.empty())
            return false;
        const size_t classCount = count();
        const size_t functionCount = count();
        const size_t valueCount = count();
        // Everything is built before anything is filled in, so that references
        // in any direction resolve; the objects of a damaged image are not
        // freed (the process falls back to reading the files and goes on).
        classes_.reserve(classCount);
        for (size_t i = 0; i < classCount; ++i) {
            std::string name = string();
            std::string file = string();
            const int32_t line = static_cast<int32_t>(signedNumber());
            classes_.push_back(new Klasa(file, line, name));
        }
        functions_.reserve(functionCount);
        for (size_t i = 0; i < functionCount; ++i) {
            std::string name = string();
            std::string file = string();
            const int32_t line = static_cast<int32_t>(signedNumber());
            functions_.push_back(new Funkcija(name, file, line));
        }
        values_.reserve(valueCount);
        for (size_t i = 0; i < valueCount; ++i) values_.push_back(new Value());
        for (Klasa* k : classes_) readClass(*k);
        for (Funkcija* f : functions_) readFunction(*f);
        for (Value* v : values_) readValue(*v);
        SymbolTable staged;
        readTable(staged);
        for (Klasa* k : classes_) readTable(*k->members);
        for (Funkcija* f : functions_) readTable(*f->scope);
        if (pos_ != size_) return false;
        global->variables = std::move(staged.variables);
        global->functions = std::move(staged.functions);
        global->constants = std::move(staged.constants);
        global->classes = std::move(staged.classes);
        return true;
    }

    uint8_t byte() {
        if (pos_ >= size_) throw Damaged();
        return static_cast<uint8_t>(data_[pos_++]);
    }
    uint64_t number() {
        uint64_t n = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const uint8_t b = byte();
            n |= static_cast<uint64_t>(b & 0x7f) << shift;
            if (!(b & 0x80)) return n;
        }
        throw Damaged();
    }
    // A count of items that each take at least one byte.
    size_t count() {
        const uint64_t n = number();
        if (n > size_ - pos_) throw Damaged();
        return static_cast<size_t>(n);
    }
    int64_t signedNumber() {
        const uint64_t n = number();
        return static_cast<int64_t>(n >> 1) ^ -static_cast<int64_t>(n & 1);
    }
    uint32_t fixed32() {
        uint32_t n;
        if (size_ - pos_ < sizeof n) throw Damaged();
        std::memcpy(&n, data_ + pos_, sizeof n);
        pos_ += sizeof n;
        return n;
    }
    uint64_t fixed64() {
        uint64_t n;
        if (size_ - pos_ < sizeof n) throw Damaged();
        std::memcpy(&n, data_ + pos_, sizeof n);
        pos_ += sizeof n;
        return n;
    }
    bool flag() {
        const uint8_t b = byte();
        if (b > 1) throw Damaged();
        return b == 1;
    }
    std::string string() {
        const uint64_t index = number();
        if (index > 0) {
            if (index > paths_.size()) throw Damaged();
            return paths_[index - 1];
        }
        const size_t size = count();
        std::string s(data_ + pos_, size);
        pos_ += size;
        return s;
    }

    Klasa* classRef() {
        const uint64_t r = number();
        if (r == 0) return nullptr;
        if (r > classes_.size()) throw Damaged();
        return classes_[r - 1];
    }
    Type* typeRef() {
        const uint64_t r = number();
        if (r == 0) return nullptr;
        if (r < FirstClassRef) return builtinType(static_cast<uint32_t>(r));
        if (r - FirstClassRef >= classes_.size()) throw Damaged();
        return classes_[r - FirstClassRef];
    }
    SymbolTable* tableRef() {
        const uint64_t kind = number();
        if (kind == NoTable) return nullptr;
        const uint64_t index = number();
        switch (kind) {
            case GlobalTable: return globalBuiltinScope();
            case ClassTable:
                if (index >= classes_.size()) throw Damaged();
                return classes_[index]->members;
            case FunctionTable:
                if (index >= functions_.size()) throw Damaged();
                return functions_[index]->scope;
            default: throw Damaged();
        }
    }
    Value* sharedRef() {
        const uint64_t r = number();
        if (r >= values_.size()) throw Damaged();
        return values_[r];
    }
    Funkcija* functionRef() {
        const uint64_t r = number();
        if (r >= functions_.size()) throw Damaged();
        return functions_[r];
    }

    void readClass(Klasa& k) {
        k.parent = classRef();
        const size_t interfaces = count();
        k.interfaces.reserve(interfaces);
        for (size_t i = 0; i < interfaces; ++i) {
            Klasa* interface = classRef();
            if (!interface) throw Damaged();
            k.interfaces.push_back(interface);
        }
        k.isInterface = flag();
        k.isAbstract = flag();
        k.isFinal = flag();
        k.defined = flag();
        k.hasPropertyHandlers = flag();
        k.hasCallHandler = flag();
        k.resolved = flag();
        k.heritageChecked = flag();
    }

    void readFunction(Funkcija& f) {
        f.access = static_cast<int32_t>(signedNumber());
        f.isStatic = flag();
        f.implementation = static_cast<int32_t>(signedNumber());
        if (!flag()) return;
        auto signature = std::make_unique<FunctionSignature>();
        signature->checkArguments = flag();
        const size_t parameters = count();
        signature->parameters.resize(parameters);
        for (ParameterInfo& p : signature->parameters) {
            p.hint = typeRef();
            p.name = string();
            readValue(p.defaultValue);
            p.byReference = flag();
            p.nullDefault = flag();
        }
        f.signature = signature.release();
    }

    // Fills `v`, which holds no storage yet.
    void readValue(Value& v) {
        Type* t = typeRef();
        v.initialised = flag();
        v.fileName = string();
        v.line = static_cast<int32_t>(signedNumber());
        v.text = string();
        v.owner = tableRef();
        v.symbolName = string();
        if (!flag()) {
            v.type = t;
            return;
        }
        if (!t) throw Damaged();
        if (t->isBoolean() || t->isResource()) {
            const uint64_t b = number();
            if (b > 255) throw Damaged();
            v.data = new uint8_t(static_cast<uint8_t>(b));
        } else if (t->isInteger()) {
            v.data = new int64_t(signedNumber());
        } else if (t->isFloat()) {
            const uint64_t bits = fixed64();
            double d;
            std::memcpy(&d, &bits, sizeof d);
            v.data = new double(d);
        } else if (t->isString()) {
            v.data = new std::string(string());
        } else if (t->isArray()) {
            auto elements = std::make_unique<ArrayMap>();
            const size_t n = count();
            for (size_t i = 0; i < n; ++i) {
                Value key = Value::blank();
                readValue(key);
                std::unique_ptr<Value> element;
                if (flag()) {
                    element = std::make_unique<Value>(Value::blank());
                    readValue(*element);
                }
                auto inserted = elements->emplace(std::move(key), element.get());
                if (!inserted.second) throw Damaged();
                element.release();
            }
            v.data = elements.release();
        } else if (dynamic_cast<Klasa*>(t)) {
            const size_t parts = count();
            ObjectData* head = nullptr;
            ObjectData** tail = &head;
            for (size_t i = 0; i < parts; ++i) {
                auto* part = new ObjectData();
                *tail = part;
                tail = &part->parentPart;
                part->klasa = classRef();
                const size_t properties = count();
                for (size_t j = 0; j < properties; ++j) {
                    std::string name = string();
                    Value property = Value::blank();
                    readValue(property);
                    part->properties.emplace(std::move(name), std::move(property));
                }
            }
            v.data = head;
        } else {
            throw Damaged();
        }
        v.type = t;
    }

    // Entries come in key order, so each goes in at the end without a search.
    void readTable(SymbolTable& t) {
        for (size_t n = count(); n > 0; --n) {
            std::string name = string();
            AccessInfo<Value> entry(nullptr);
            entry.accessFlags = static_cast<uint8_t>(number());
            entry.item = sharedRef();
            t.variables.emplace_hint(t.variables.end(), std::move(name), entry);
        }
        for (size_t n = count(); n > 0; --n) {
            std::string name = string();
            AccessInfo<Funkcija> entry(nullptr);
            entry.accessFlags = static_cast<uint8_t>(number());
            entry.item = functionRef();
            t.functions.emplace_hint(t.functions.end(), std::move(name), entry);
        }
        for (size_t n = count(); n > 0; --n) {
            ConstantKey key;
            key.name = string();
            key.exactCase = flag();
            t.constants.emplace_hint(t.constants.end(), std::move(key), sharedRef());
        }
        for (size_t n = count(); n > 0; --n) {
            std::string name = string();
            AccessInfo<Klasa> entry(nullptr);
            entry.accessFlags = static_cast<uint8_t>(number());
            entry.item = classRef();
            if (!entry.item) throw Damaged();
            t.classes.emplace_hint(t.classes.end(), std::move(name), entry);
        }
    }

    const char* data_;
    size_t size_;
    const std::vector<std::string>& paths_;
    size_t pos_ = 0;
    std::vector<Klasa*> classes_;
    std::vector<Funkcija*> functions_;
    std::vector<Value*> values_;
};

bool hashDefinitionFiles(const std::vector<std::string>& paths, uint64_t& hash) {
    // FNV-style mixing a word at a time: the files are hashed at every start,
    // so it must cost next to nothing; it guards against stale images, not
    // against tampering.
    uint64_t h = 0xcbf29ce484222325ull;
    for (const std::string& path : paths) {
        MappedFile file(path);
        if (!file.data()) {
            // An empty file maps to nothing; a missing or unreadable one fails.
            struct stat st;
            if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_size != 0 ||
                ::access(path.c_str(), R_OK) != 0)
                return false;
        }
        const char* data = file.data();
        const size_t size = file.size();
        size_t i = 0;
        for (; i + 8 <= size; i += 8) {
            uint64_t word;
            std::memcpy(&word, data + i, 8);
            h = (h ^ word) * 0x100000001b3ull;
            h ^= h >> 29;
        }
        for (; i < size; ++i) h = (h ^ static_cast<uint8_t>(data[i])) * 0x100000001b3ull;
        // The length closes each file, so moving bytes between files changes the hash.
        h = (h ^ size) * 0x100000001b3ull;
    }
    hash = h;
    return true;
}

bool definitionPaths(const std::string& directory, std::vector<std::string>& paths) {
    paths.clear();
    for (const char* name : {"/class.php", "/function.php", "/constant.php"}) {
        std::string full;
        if (!fullPath(directory + name, full)) return false;
        paths.push_back(full);
    }
    return true;
}

}  // namespace

bool imageOfBuiltinScope(const std::string& directory, std::string& image, std::string& why) {
    std::vector<std::string> paths;
    uint64_t hash = 0;
    if (!definitionPaths(directory, paths) || !hashDefinitionFiles(paths, hash)) {
        why = "the definition files cannot be read";
        return false;
    }
    Writer writer(paths);
    return writer.run(hash, image, why);
}

bool loadDefinitionImage(const std::string& directory) {
    std::vector<std::string> paths;
    uint64_t hash = 0;
    if (!definitionPaths(directory, paths) || !hashDefinitionFiles(paths, hash)) return false;
    MappedFile image(directory + "/" + DefinitionImageName);
    if (!image.data()) return false;
    Reader reader(image.data(), image.size(), paths);
    return reader.run(hash);
}

bool saveDefinitionImage(const std::string& directory, std::string& why) {
    std::string image;
    if (!imageOfBuiltinScope(directory, image, why)) return false;
    // Written aside and renamed, so a reader never sees half an image.
    const std::string target = directory + "/" + DefinitionImageName;
    const std::string partial = target + ".part";
    std::FILE* f = std::fopen(partial.c_str(), "wb");
    if (!f) {
        why = "cannot create " + partial;
        return false;
    }
    const bool written = std::fwrite(image.data(), 1, image.size(), f) == image.size();
    if (std::fclose(f) != 0 || !written || std::rename(partial.c_str(), target.c_str()) != 0) {
        std::remove(partial.c_str());
        why = "cannot write " + target;
        return false;
    }
    return true;
}

}  // namespace php
